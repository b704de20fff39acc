#pragma once
// The selected row's picture beside the result list of a search by pictures: decoded
// at the size it is shown (JPEG's scaled decoding where the reader offers it) and
// turned as its orientation tag says, so that the picture on screen is the one the
// fingerprint was made from.

#include <string_view>

#include <QLabel>

class PicturePreview : public QLabel
{
    Q_OBJECT

public:
    static constexpr int kWidth = 200;

    explicit PicturePreview(QWidget* parent);
    // Shows the picture at `path`; a file that cannot be read or decoded, or that is
    // larger than any picture worth decoding here, leaves the pane empty.
    void showFile(std::string_view path);
};
