#pragma once
// One run of a page on the shared progress panel, for as long as the scope lives:
// Panel5 is shown with CancelBtn released, and closing the main window sets the
// page's `closing` flag so that the run stops (the engines read it through their
// observer). Panel5 is hidden again when the scope ends, however the run ended.
//
//   {
//       const RunScope run(context_, closing_);
//       engine.Start(...);                 // stops when CancelBtn is down or closing_
//   }

#include <QObject>

class MainContext;

class RunScope : public QObject
{
public:
    RunScope(MainContext& context, bool& closing);
    ~RunScope() override;
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainContext& context_;
    bool& closing_;
};
