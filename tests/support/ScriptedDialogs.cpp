#include "support/ScriptedDialogs.h"

#include "desktop/TYesAllNoCancelBox.h"

#include <gtest/gtest.h>

namespace {

const char* kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message:
        return "message";
    case ScriptedDialogs::Kind::Warning:
        return "warning";
    case ScriptedDialogs::Kind::YesNo:
        return "yes/no question";
    case ScriptedDialogs::Kind::YesAllNoCancel:
        return "Yes/All/No/Cancel confirmation";
    case ScriptedDialogs::Kind::Folder:
        return "folder chooser";
    case ScriptedDialogs::Kind::File:
        return "file chooser";
    case ScriptedDialogs::Kind::SaveFile:
        return "save dialog";
    case ScriptedDialogs::Kind::Color:
        return "colour dialog";
    case ScriptedDialogs::Kind::Application:
        return "program chooser";
    }
    return "dialog";
}

} // namespace

ScriptedDialogs::~ScriptedDialogs()
{
    const auto unused = yesNo_.size() + boxAnswers_.size() + folders_.size() + files_.size() +
                        saveFiles_.size() + colors_.size() + applications_.size();
    if (unused != 0)
        ADD_FAILURE() << unused << " scripted dialog answer(s) were never asked for";
}

template <typename T> bool ScriptedDialogs::take(std::deque<T>& queue, const Call& call, T& answer)
{
    calls_.push_back(call);
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(call.kind) << ": title \""
                      << call.title.toStdString() << "\", text \"" << call.text.toStdString()
                      << "\"";
        return false;
    }
    answer = queue.front();
    queue.pop_front();
    return true;
}

void ScriptedDialogs::scriptYesNo(bool yes)
{
    yesNo_.push_back(yes);
}

void ScriptedDialogs::scriptYesAllNoCancel(ConfirmAnswer answer, bool checkBoxChecked)
{
    boxAnswers_.push_back({answer, checkBoxChecked});
}

void ScriptedDialogs::scriptFolder(const QString& folder)
{
    folders_.push_back(folder);
}

void ScriptedDialogs::scriptFile(const QString& file)
{
    files_.push_back(file);
}

void ScriptedDialogs::scriptSaveFile(const QString& file)
{
    saveFiles_.push_back(file);
}

void ScriptedDialogs::scriptColor(std::optional<QColor> color)
{
    colors_.push_back(color);
}

void ScriptedDialogs::scriptApplication(int index)
{
    applications_.push_back(index);
}

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList result;
    for (const Call& call : calls_)
        if (call.kind == kind)
            result << call.text;
    return result;
}

int ScriptedDialogs::count(Kind kind) const
{
    return static_cast<int>(texts(kind).size());
}

void ScriptedDialogs::showMessage(QWidget*, const QString& text)
{
    calls_.push_back({Kind::Message, QString(), text, QString(), QString()});
}

void ScriptedDialogs::showWarning(QWidget*, const QString& text)
{
    calls_.push_back({Kind::Warning, QString(), text, QString(), QString()});
}

bool ScriptedDialogs::askYesNo(QWidget*, const QString& title, const QString& text)
{
    bool yes = false;
    take(yesNo_, {Kind::YesNo, title, text, QString(), QString()}, yes);
    return yes;
}

bool ScriptedDialogs::askYesNoWithDetails(QWidget*, const QString& title, const QString& text,
                                          const QuestionDetails& details)
{
    bool yes = false;
    Call call{Kind::YesNo, title, text, QString(), QString()};
    call.details = details();
    take(yesNo_, call, yes);
    return yes;
}

ConfirmAnswer ScriptedDialogs::executeYesAllNoCancel(QWidget*, TYesAllNoCancelBox& box)
{
    if (whileAsking_)
        whileAsking_();
    // Unscripted: Cancel, the answer that changes nothing.
    BoxAnswer reply{ConfirmAnswer::Cancel, false};
    Call call{Kind::YesAllNoCancel, box.Title(), box.Msg(), QString(), QString()};
    if (box.Details())
        call.details = box.Details()();
    take(boxAnswers_, call, reply);
    // A dialog that could not be shown leaves the check box state as it was.
    if (reply.answer != ConfirmAnswer::Failed)
        box.setCheckBoxChecked(reply.checkBoxChecked);
    return reply.answer;
}

QString ScriptedDialogs::chooseFolder(QWidget*, const QString& title, const QString& initialFolder)
{
    QString folder;
    take(folders_, {Kind::Folder, title, QString(), initialFolder, QString()}, folder);
    return folder;
}

QString ScriptedDialogs::chooseFile(QWidget*, const QString& title, const QString& initialPath,
                                    const QString& filter)
{
    QString file;
    take(files_, {Kind::File, title, QString(), initialPath, filter}, file);
    return file;
}

QString ScriptedDialogs::chooseSaveFile(QWidget*, const QString& title, const QString& initialPath,
                                        const QString& filter)
{
    QString file;
    take(saveFiles_, {Kind::SaveFile, title, QString(), initialPath, filter}, file);
    return file;
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor& initial)
{
    std::optional<QColor> color;
    take(colors_, {Kind::Color, QString(), initial.name(), QString(), QString()}, color);
    return color;
}

int ScriptedDialogs::chooseApplication(QWidget*, const QString& itemPath,
                                       const QStringList& applications, int)
{
    int index = -1;
    take(applications_,
         {Kind::Application, QString(), itemPath, QString(), QString(), applications}, index);
    return index;
}
