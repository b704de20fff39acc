#pragma once
// The vertical face gradient shared by the switch button and the progress bar: every
// pixel row is a base colour plus an accumulator per channel; after each row the
// accumulator grows by a fixed step unless the channel would reach 255.

#include <QColor>
#include <algorithm>
#include <array>

class RowGradient
{
public:
    RowGradient(const QColor& base, double step)
        : base_{base.red(), base.green(), base.blue()}, step_(step)
    {
    }

    // Step for a control of the given height: rows of a low control change faster.
    static double stepForHeight(int height) { return std::max(150.0 / (height * 0.5), 1.0); }

    // A channel of 85 or more loses 84, so that the gradient has room to lighten.
    static int darken(int channel) { return channel >= 85 ? channel - 84 : channel; }
    static QColor darken(const QColor& c)
    {
        return QColor(darken(c.red()), darken(c.green()), darken(c.blue()));
    }

    QColor current() const { return QColor(channel(0), channel(1), channel(2)); }

    void advance()
    {
        for (int i = 0; i < 3; ++i) {
            if (base_[i] + accumulator_[i] + step_ < 255.0)
                accumulator_[i] += step_;
        }
    }

private:
    int channel(int i) const { return std::clamp(base_[i] + int(accumulator_[i]), 0, 255); }

    std::array<int, 3> base_;
    std::array<double, 3> accumulator_{0.0, 0.0, 0.0};
    double step_;
};
