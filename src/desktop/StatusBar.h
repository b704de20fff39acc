#pragma once
// StatusBar1: two owner-drawn panels without bevels on a grey bar. Panel 0 shows
// hints and paths (a path gets its small icon), panel 1 the included attributes.
// Screen readers see a status bar named by the text of panel 0, holding both panels
// as texts of their own.

#include <QIcon>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class StatusPanel;

class StatusBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Panel1Width = 160;
    static constexpr int BarHeight = 19;

    explicit StatusBar(QWidget* parent = nullptr);

    QString text(int panel) const;
    void setText(int panel, const QString& text);

    int panelWidth(int panel) const { return widths_.at(panel); }
    void setPanelWidth(int panel, int width);

    // The small icon drawn before a path in panel 0.
    void setPathIconProvider(std::function<QIcon(const QString& path)> provider);

    // A text that names an absolute path other than a missing comparison side
    // (".../なし") gets an icon.
    static bool IsIconPath(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanels();

    std::array<StatusPanel*, 2> panels_;
    std::array<int, 2> widths_{0, Panel1Width};
};
