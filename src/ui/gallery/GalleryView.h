// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexButton.h"
#include "WexMenulistDelegate.h"
#include "WexSetpDelegate.h"
#include "WexTextField.h"

#include <QList>
#include <QPointer>

namespace orvex {
class WexMenulist;
class WexSetpPanelObj;
} // namespace orvex

namespace orvex::gallery {

// One window with every skinned control, picture and dialog of the
// application, made through the widget factory as the real windows make
// theirs: for looking at the whole look at once, and for checking that every
// control speaks to assistive technologies.
class GalleryView : public KeltoImageView, public WexSetpDelegate, public WexMenulistDelegate
{
    Q_OBJECT
public:
    GalleryView(const QRect &frame, QWidget *parent);
    ~GalleryView() override;

    void initData() override;
    void initControls() override;

    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;

    WexMenulist *profileList() const { return m_profileList; }
    WexButton *pickButton() const { return m_pickButton; }
    // Every control of the gallery, in the order they were made.
    QList<QWidget *> controls() const { return m_controls; }

private:
    void addButtons();
    void addSelectors();
    void addPictures();
    void addFields();
    void addMacroSteps();
    void addDialogs();
    void addLoading();
    WexButton *addFaceButton(const QRect &rect, const QString &tip);
    void track(QWidget *control) { m_controls.append(control); }

    QList<QWidget *> m_controls;
    QPointer<WexButton> m_pickButton;
    WexMenulist *m_profileList = nullptr;
    WexTreeNode::Ptr m_profileRoot;
    WexSetpPanelObj *m_profileStep = nullptr;
    WexSetpPanelObj *m_modeStep = nullptr;
    QPointer<WexTextField> m_caption;
};

} // namespace orvex::gallery
