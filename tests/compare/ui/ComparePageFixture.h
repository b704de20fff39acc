#pragma once
// A shown main window and its comparison page, with scripted dialogs. `reopen`
// builds a fresh window, which loads the history files anew.

#include "app/FormFixture.h"
#include "compare/ui/ComparePage.h"

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
