// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class QMovie;

namespace orvex {

// Shows one picture, centred and scaled down (keeping its proportions) when
// it is larger than the view; or an animated picture (GIF) from a file,
// running while animation is on.
class WexImageView : public QWidget
{
    Q_OBJECT
public:
    explicit WexImageView(QWidget *parent = nullptr);
    ~WexImageView() override;

    void setImage(const QImage &image);
    QImage image() const;
    // Loads a picture file; one with several frames is shown animated.
    // Answers false (and shows nothing) when the file cannot be read.
    bool setImageFile(const QString &path);
    void setAnimates(bool animates);
    bool animates() const { return m_animates; }
    bool isAnimated() const { return m_movie != nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void dropMovie();
    void syncMovie();

    QImage m_image;
    QMovie *m_movie = nullptr;
    bool m_animates = true;
};

} // namespace orvex
