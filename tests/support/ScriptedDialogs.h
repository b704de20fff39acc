#pragma once
// Dialogs for tests: answers come from queues that the test fills beforehand, every
// call is recorded with its texts, nothing is shown and nothing blocks. A question
// without a scripted answer, and an answer left unused at the end, fail the test.
//
//   ScriptedDialogs dialogs;
//   dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, /*checkBoxChecked=*/true);
//   ... run the code under test ...
//   EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::YesAllNoCancel), QStringList{...});

#include "desktop/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Lets GoogleTest print texts (and lists of them) readably in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind
    {
        Message,
        Warning,
        YesNo,
        YesAllNoCancel,
        Folder,
        File,
        SaveFile,
        Color,
        Application,
    };

    struct Call
    {
        Kind kind;
        QString title; // the question's title, or the box's Title
        QString text;  // message, question, or the box's Msg
        QString initialPath;
        QString filter;
        QStringList choices = {}; // the program chooser's application names
        DetailRows details = {};  // the rows a question shows under "詳細", made when asked
    };

    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    ~ScriptedDialogs() override;

    // Answers, used in the order given, one per call of their kind.
    void scriptYesNo(bool yes);
    void scriptYesAllNoCancel(ConfirmAnswer answer, bool checkBoxChecked = false);
    void scriptFolder(const QString& folder);
    void scriptFile(const QString& file);
    void scriptSaveFile(const QString& file);
    void scriptColor(std::optional<QColor> color);
    // The index the program chooser returns (-1: cancelled).
    void scriptApplication(int index);
    // Runs before each Yes/All/No/Cancel question is answered, to look at the
    // program while it asks.
    void whileAsking(std::function<void()> look) { whileAsking_ = std::move(look); }

    const std::vector<Call>& calls() const { return calls_; }
    // The texts of every call of one kind, in call order.
    QStringList texts(Kind kind) const;
    int count(Kind kind) const;

    void showMessage(QWidget* owner, const QString& text) override;
    void showWarning(QWidget* owner, const QString& text) override;
    bool askYesNo(QWidget* owner, const QString& title, const QString& text) override;
    // Recorded as a YesNo call, its details made at once.
    bool askYesNoWithDetails(QWidget* owner, const QString& title, const QString& text,
                             const QuestionDetails& details) override;
    ConfirmAnswer executeYesAllNoCancel(QWidget* owner, TYesAllNoCancelBox& box) override;
    QString chooseFolder(QWidget* owner, const QString& title,
                         const QString& initialFolder) override;
    QString chooseFile(QWidget* owner, const QString& title, const QString& initialPath,
                       const QString& filter) override;
    QString chooseSaveFile(QWidget* owner, const QString& title, const QString& initialPath,
                           const QString& filter) override;
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    int chooseApplication(QWidget* owner, const QString& itemPath, const QStringList& applications,
                          int declaringCount) override;

private:
    struct BoxAnswer
    {
        ConfirmAnswer answer;
        bool checkBoxChecked;
    };
    template <typename T> bool take(std::deque<T>& queue, const Call& call, T& answer);

    std::vector<Call> calls_;
    std::deque<bool> yesNo_;
    std::deque<BoxAnswer> boxAnswers_;
    std::deque<QString> folders_;
    std::deque<QString> files_;
    std::deque<QString> saveFiles_;
    std::deque<std::optional<QColor>> colors_;
    std::deque<int> applications_;
    std::function<void()> whileAsking_;
};
