// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;
class QTimer;

namespace orvex {

class OsdFigures;

// The on-screen display's content: the pictures by tag, the DPI picture
// composed with its figures, and the hide timer. The window that holds it
// draws it with drawRect().
//
// A display lasts HideTicks ticks of the tick interval (3 s by default); a
// display while one is shown only restarts the count. When the count runs out
// the window holding the view is hidden.
//
// The pictures are kept as their PNG bytes and decoded when shown: 19
// decoded pictures would hold some 6 MB for a program that shows one picture
// a few times an hour, and a decode takes about a millisecond.
class ShowMsgView : public QObject
{
    Q_OBJECT
public:
    static constexpr int HideTicks = 6;
    static constexpr int DefaultTickMs = 500;

    // Loads the pictures of every known tag from the resource folder; a
    // missing picture leaves its tag without an entry.
    explicit ShowMsgView(QObject *parent = nullptr);

    // Shows the picture of `tag`; an unknown tag shows an empty picture for
    // the same time.
    void showWithImageTag(const QString &tag);
    // Shows the DPI picture of `stage` with X and Y (resolution bytes, units
    // of 50 DPI). Nothing is shown when the stage has no picture.
    void showDpi(int stage, int x, int y);

    struct TextAttributes
    {
        // The figures' face at this size, drawn ahead of time ...
        const OsdFigures *figures = nullptr;
        // ... or, when no sheet of this size is shipped, the font drawn with.
        std::optional<QFont> font;
        QColor colour;
    };
    // The figures at `size` pixels in `colour`: the shipped figure sheet of
    // that size, else the shipped font, else the default font.
    static TextAttributes getStrAtt(const QColor &colour, int size);

    // What is shown now, its caption (for a desktop notification), and
    // whether a display is running; for the window and for tests.
    QImage showImage() const { return m_showImage; }
    QString showCaption() const { return m_showCaption; }
    bool isShowing() const { return !m_stop; }
    bool hasImage(const QString &tag) const { return m_imageArr.contains(tag); }
    int imageCount() const { return int(m_imageArr.size()); }

    // Draws the picture shown now centred in `bounds`, over a transparent fill.
    void drawRect(QPainter &painter, const QRect &bounds) const;

    // The length of one tick; tests shorten it.
    static void setTickInterval(int milliseconds);

Q_SIGNALS:
    // A display starts or is renewed: the window redraws and makes itself
    // visible.
    void displayed(const QString &caption);
    // The display time ran out: the window hides itself.
    void finished();

private:
    void loadImages();
    QImage image(const QString &tag) const;
    void showImagePro();
    void timerPro();
    void closeViewPro();
    static void drawStringCenteredIn(QPainter &painter, const QRect &rect,
                                     const TextAttributes &attributes, const QString &text);
    static bool drawFiguresCenteredIn(QPainter &painter, const QRect &rect,
                                      const TextAttributes &attributes, const QString &text);
    static void drawFontTextCenteredIn(QPainter &painter, const QRect &rect,
                                       const TextAttributes &attributes, const QString &text);
    static QString dpiText(int value);

    QHash<QString, QByteArray> m_imageArr;
    QImage m_showImage;
    QString m_showCaption;
    QTimer *m_timer;
    int m_timeSetp = 0;
    bool m_stop = true;
};

} // namespace orvex
