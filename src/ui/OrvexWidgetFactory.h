// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexButton.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvex {

class KeltoImageView;
class WexMenulist;
class WexTextField;

// The widget factory of the skinned windows. Every widget is made as a child
// of the given parent at the given rectangle (Qt coordinates, from the
// parent's top-left corner), so the parent owns it. Font sizes the windows
// give in points are taken as pixels, the unit of the skins.
//
// Actions are plain callables that receive the sender; an empty one makes
// that kind of click do nothing (a right click on a button whose window gave
// no right action has no effect).
class OrvexWidgetFactory
{
public:
    static constexpr int TextPixelSize = 12;
    static constexpr int ButtonTitlePixelSize = 11;

    // Editable, bordered, clear background, white text, left aligned, Arial 12.
    static WexTextField *AddTextField(const QRect &rect, QWidget *parView);
    // The same as a label: not editable, no border.
    static WexTextField *AddLabTextField(const QRect &rect, QWidget *parView);
    // A borderless number field in [minNum, maxNum] with at most maxLen digits.
    static WexNumberTextField *AddNumTextField(const QRect &rect, QWidget *parView, int maxNum,
                                               int minNum, int maxLen, bool hasNeg,
                                               WexNumberTextField::Action onNumTextChange = {});

    // A picture of rect's size holding the source's pixels at rect (copied,
    // not blended); parts of rect outside the source stay transparent. A null
    // source gives a null picture. `rect` is in units: from a source with a
    // device pixel ratio of 2 the pixels at rect * 2 are cut, and the picture
    // keeps the ratio.
    static QImage GetImageFromRect(const QImage &source, const QRect &rect);

    // A button whose four state pictures are cut from the parent's four skin
    // pictures at exactly its rectangle.
    static WexButton *AddButton(const QRect &rect, WexButton::Action action,
                                WexButton::Action rightAction, KeltoImageView *parView);
    static WexButton *AddCheckBox(const QRect &rect, WexButton::Action action,
                                  WexButton::Action rightAction, KeltoImageView *parView);
    // A slider over the parent's background slice with the given thumb.
    static WexProgressBar *AddProBar(const QRect &rect, WexProgressBar::Action action,
                                     KeltoImageView *parView, const QImage &sliderImg, int maxV,
                                     int minV);

    // Shows the list just below `view`, its left edges aligned.
    static void showMenulistWithBtn(const QWidget *view, WexMenulist *list);

    // The picture dialog `name` (see PopDialogView); true when ended with OK.
    static bool showPopView(const QString &name, const QSize &frameSize, const QPoint &okBtnOrg,
                            const QPoint &cancelBtnOrg);
    // The same with the size and origins of the dialog's own table entry.
    static bool showPopView(const QString &name);

    static void showLoadViewPro();
    static void hideLoadViewPro();
};

} // namespace orvex
