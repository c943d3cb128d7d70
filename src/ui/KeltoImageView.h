// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <memory>
#include <utility>

namespace orvex {

// The base of every skinned window content: it draws one full-size
// background picture, and holds the four pictures of the same size from
// which its buttons cut their pressed, pointer-over and disabled states.
//
// Subclasses fill in the set-up template. create() makes a view and runs
// initData(), initControls() and refreshData() once, in that order (C++
// cannot run a subclass's steps from the base constructor). initNotify()
// runs each time the view is put into a parent, deallocNotify() each time it
// leaves one; subclass destructors release their own data.
//
// Coordinates are Qt's, from the top-left corner: a control the windows
// place at left x, top t, width w, height h has the geometry QRect(x, t, w, h).
// They are in units (Qt's device-independent pixels); the pictures may have
// two pixels per unit, and are always drawn at their size in units.
class KeltoImageView : public QWidget
{
    Q_OBJECT
public:
    explicit KeltoImageView(const QRect &frame, QWidget *parent = nullptr);
    ~KeltoImageView() override;

    template <typename View, typename... Args>
    static View *create(const QRect &frame, QWidget *parent, Args &&...args)
    {
        auto *view = new View(frame, parent, std::forward<Args>(args)...);
        view->runSetUpTemplate();
        return view;
    }

    QImage bgImage() const { return m_bgImage; }
    void setBgImage(const QImage &image);
    QImage overImage() const { return m_overImage; }
    void setOverImage(const QImage &image) { m_overImage = image; }
    QImage downImage() const { return m_downImage; }
    void setDownImage(const QImage &image) { m_downImage = image; }
    QImage disableImage() const { return m_disableImage; }
    void setDisableImage(const QImage &image) { m_disableImage = image; }
    QImage activeImage() const { return m_activeImage; }
    void setActiveImage(const QImage &image) { m_activeImage = image; }
    // The view's height at creation, in pixels.
    int frmHeight() const { return m_frmHeight; }

    // The shipped picture "name_tag.ext"; null when it is missing.
    static QImage getImageByName(const QString &name, const QString &tag, const QString &ext);
    // The shipped picture of that file name; null when it is missing. When a
    // screen is scaled above 100 % and the picture is also shipped drawn at
    // twice the pixels ("<name>@2x.<ext>"), that one, with a device pixel
    // ratio of 2: it is drawn at the same size, sharper.
    static QImage loadImage(const QString &fileName);
    // "MainView_Over.png" gives "MainView_Over@2x.png".
    static QString highScaleName(const QString &fileName);
    // The name of the sibling picture of `fileName` with state word `tag`:
    // "MainView_Normal.png" and "Over" give "MainView_Over.png"; a name with
    // no "_" keeps its whole base ("Slider.png" gives "Slider_Over.png").
    static QString siblingImageName(const QString &fileName, const QString &tag);
    // Loads the background from `fileName` and the four state pictures from
    // its siblings Over, Down, Disable and Active. Nothing for an empty name.
    void setImageByName(const QString &fileName);

    // A rectangle of this view in bottom-left-origin coordinates (y measured
    // up from the bottom edge), as the skins' layout tables are written.
    QRect bottomLeftRect(const QRect &rect) const;

    // The set-up template; the base class's steps do nothing.
    virtual void initData() {}
    virtual void initControls() {}
    virtual void refreshData() {}
    virtual void saveData() {}
    virtual void fillSettingData() {}
    virtual void saveSettingData() {}
    virtual void resetSettingData() {}
    virtual void deallocData() {}
    virtual void initNotify() {}
    virtual void deallocNotify() {}

    void runSetUpTemplate();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QImage m_bgImage;
    QImage m_overImage;
    QImage m_downImage;
    QImage m_disableImage;
    QImage m_activeImage;
    int m_frmHeight = 0;
    bool m_setUp = false;
    bool m_notifying = false;
};

} // namespace orvex
