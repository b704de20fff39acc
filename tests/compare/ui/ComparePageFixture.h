#pragma once
// A shown main window and its comparison page, with scripted dialogs. `reopen`
// builds a fresh window, which loads the history files anew.

#include "compare/ui/ComparePage.h"
#include "support/FormFixture.h"

// Six folders of three equal files on both sides, 24 rows: a run over them lets the
// window process events (a cancel, a close) before it ends.
inline void MakeTreesForAStoppedRun(quorvex::test::TempTree& tree)
{
    for (int folder = 0; folder < 6; ++folder)
        for (int file = 0; file < 3; ++file) {
            const std::string name = "d" + std::to_string(folder) + "/f" + std::to_string(file);
            tree.file("A/" + name, "x");
            tree.file("B/" + name, "x");
        }
}

class ComparePageFixture : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        reopen();
    }

    void reopen()
    {
        form = makeForm();
        form->show();
        page = form->findChild<ComparePage*>();
        ASSERT_NE(page, nullptr);
    }

    std::unique_ptr<TForm1> form;
    ComparePage* page = nullptr;
};
