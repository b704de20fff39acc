#pragma once
// The runs going on in one window, counted: every RunScope adds one for its length,
// so that "is a run going on" has one answer for the window and all its pages,
// whichever indicator the run shows. Closing the window stops them (RunScope).
//
//   RunCounter runs(window);
//   { const RunScope run(progress, runs); ... runs.busy() is true here ... }

class QWidget;

class RunCounter
{
public:
    explicit RunCounter(QWidget& window) : window_(window) {}
    RunCounter(const RunCounter&) = delete;
    RunCounter& operator=(const RunCounter&) = delete;

    bool busy() const { return count_ > 0; }
    QWidget& window() const { return window_; }

private:
    friend class RunScope;

    QWidget& window_;
    int count_ = 0;
};
