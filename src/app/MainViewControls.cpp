// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainViewControls.h"

#include "MainView.h"
#include "MainViewLayout.h"
#include "OrvexWidgetFactory.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexImageView.h"
#include "WexTextField.h"
#include "skin/SkinPainter.h"

#include <QPainter>

namespace orvex {

namespace {

constexpr int ProfileListTag = 28;
constexpr int NormalModeTag = 26;
constexpr int BattleModeTag = 27;
constexpr char MarkerPicture[] = "selected2.png";
constexpr char CaptionFont[] = "Arial";
constexpr int MenuCaptionPixelSize = 11;

struct TooltipEntry
{
    int tag;
    const char *key;
};

// The English keys of Tooltip.xml, by control.
constexpr TooltipEntry TooltipKeys[] = {
    {257, "Reset this profile to system default."},
    {258, "Go to Zenkor Website"},
    {259, "Open the help docuement."},
    {260, "Close"},
    {261, "Switch to profile 1 page."},
    {262, "Switch to profile 2 page."},
    {263, "Switch to profile 3 page."},
    {264, "Switch to profile 4 page."},
    {265, "Switch to profile 5 page."},
    {26, "Switch to Normal LED Control Mode"},
    {27, "Switch to Battle LED Mode"},
    {29, "LED configuration."},
    {272, "Open Macro editor"},
    {274, "Advanced mouse configuration."},
    {273, "Profile Management."},
    {275, "Macro Function"},
    {276, "Single Key Function"},
    {277, "Default Button Function"},
    {293, "Applictaion Launcher Function"},
    {294, "Air Through"},
    {295, "3D Axis movement"},
    {278, "Apply"},
    {279, "OK"},
    {280, "Cancel"},
};

// Where on each tab its tooltip shows: the part no neighbour covers when
// that tab is not on top (tab coordinates).
constexpr QRect TabTooltipRects[MainViewLayout::TabCount] = {
    {0, 0, 105, 42}, {22, 0, 78, 42}, {22, 0, 78, 42}, {32, 0, 95, 42}, {40, 0, 116, 42}};

const char *const HotSpotNames[] = {"Left click", "Middle click", "Right click", "Left 2",
                                    "Left 3",     "Right 4",      "Right 5",     "DPI up",
                                    "DPI down",   "DPI right",    "DPI left"};

QImage menuFace(SkinPainter::Face face)
{
    const QRect rect(QPoint(0, 0), MainViewControls::MenuButtonRect.size());
    QImage image = SkinPainter::blankImage(rect.size());
    QPainter painter(&image);
    SkinPainter::paintButtonFace(painter, rect, face, QStringLiteral("Menu"), MenuCaptionPixelSize);
    return image;
}

} // namespace

MainViewControls::MainViewControls(MainView &view) : m_view(view) {}

void MainViewControls::build()
{
    for (const MainViewLayout::Control &control : MainViewLayout::controls())
        addButton(control.field, control.tag, control.rect, control.ownPicture);
    addMenuButton();
    addInfoArea();
}

WexButton *MainViewControls::addButton(const QString &field, int tag, const QRect &rect,
                                       const QString &ownPicture)
{
    WexButton *button = OrvexWidgetFactory::AddButton(
        rect, [this](WexButton *sender) { m_view.buttonAction(sender); }, {}, &m_view);
    button->setObjectName(field);
    button->setTag(tag);
    setBtnNoanomaly(button, ownPicture);
    m_byTag.insert(tag, button);
    m_tagOfField.insert(field, tag);
    if (tag >= MainViewLayout::FirstTabTag &&
        tag < MainViewLayout::FirstTabTag + MainViewLayout::TabCount)
        button->setHaveMouseOver(false);
    if (tag == ProfileListTag) {
        QFont font = button->font();
        font.setPixelSize(ProfileTitlePixelSize);
        button->setBtnFont(font);
        button->setBtnColor(Qt::white);
        button->setBtnTextAlignment(Qt::AlignCenter);
        button->setLeftPad(ProfileTitleLeftPad);
        button->setRightPad(ProfileTitleRightPad);
    }
    return button;
}

void MainViewControls::setBtnNoanomaly(WexButton *button, const QString &name)
{
    if (name.isEmpty())
        return;
    const QString png = QStringLiteral("png");
    button->setIsNoanomaly(true);
    button->setNormalImage(KeltoImageView::getImageByName(name, QStringLiteral("Normal"), png));
    button->setHoverImage(KeltoImageView::getImageByName(name, QStringLiteral("Over"), png));
    button->setHightImage(KeltoImageView::getImageByName(name, QStringLiteral("Down"), png));
    button->setDisableImage(KeltoImageView::getImageByName(name, QStringLiteral("Disable"), png));
}

// The menu button is drawn here, not in the skin, so that the skin's table
// stays the one the pictures are made from.
void MainViewControls::addMenuButton()
{
    WexButton *button = addButton(QStringLiteral("menuBtn"), MenuButtonTag, MenuButtonRect, {});
    button->setNormalImage(menuFace(SkinPainter::Face::Normal));
    button->setHoverImage(menuFace(SkinPainter::Face::Over));
    button->setHightImage(menuFace(SkinPainter::Face::Down));
    button->setDisableImage(menuFace(SkinPainter::Face::Disable));
}

void MainViewControls::addInfoArea()
{
    const QImage marker = KeltoImageView::loadImage(QLatin1String(MarkerPicture));
    for (QPointer<WexImageView> *view : {&m_marker, &m_marker2}) {
        *view = new WexImageView(&m_view);
        (*view)->resize(MainViewLayout::MarkerSize);
        (*view)->setImage(marker);
        (*view)->setAccessibleName(QStringLiteral("Selected button marker"));
        // A marker sits on its hot-spot; the hot-spot keeps the clicks.
        (*view)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_marker->setGeometry(MainViewLayout::MiddleClickMarker1);
    m_marker2->setGeometry(MainViewLayout::MiddleClickMarker2);
    m_marker->show();
    m_marker2->hide();
    m_functionIcon = new WexImageView(&m_view);
    m_functionIcon->setGeometry(MainViewLayout::FunctionIcon);
    m_functionIcon->show();
    m_functionCaption =
        OrvexWidgetFactory::AddLabTextField(MainViewLayout::FunctionCaption, &m_view);
    QFont font{QLatin1String(CaptionFont)};
    font.setPixelSize(CaptionPixelSize);
    m_functionCaption->setFont(font);
    m_functionCaption->setAccessibleName(QStringLiteral("Function of the selected button"));
}

void MainViewControls::initTooltip(TooltipManager *tooltips)
{
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        WexButton *button = byTag(control.tag);
        if (!control.caption.isEmpty())
            button->setAccessibleName(control.caption);
        const QString key = tooltipKey(control.tag);
        const QString text = key.isEmpty() || !tooltips ? QString() : tooltips->getTooltip(key);
        if (text.isEmpty())
            continue;
        const int tab = control.tag - MainViewLayout::FirstTabTag;
        if (tab >= 0 && tab < MainViewLayout::TabCount)
            button->setToolTipRect(TabTooltipRects[tab], text);
        else
            button->setToolTip(text);
    }
    const QStringList names = hotSpotNames();
    const QList<WexButton *> spots = hotSpots();
    for (int i = 0; i < spots.size(); ++i)
        spots.at(i)->setAccessibleName(names.at(i));
    menuButton()->setAccessibleName(QStringLiteral("Menu"));
    byTag(ProfileListTag)
        ->setAccessibleDescription(
            QStringLiteral("Stored profile of this slot; opens the list of stored profiles"));
}

WexButton *MainViewControls::byField(const QString &field) const
{
    const auto tag = m_tagOfField.constFind(field);
    return tag == m_tagOfField.cend() ? nullptr : byTag(*tag);
}

QList<WexButton *> MainViewControls::tabs() const
{
    QList<WexButton *> buttons;
    for (int i = 0; i < MainViewLayout::TabCount; ++i)
        buttons << byTag(MainViewLayout::FirstTabTag + i);
    return buttons;
}

QList<WexButton *> MainViewControls::modes() const
{
    return {byTag(NormalModeTag), byTag(BattleModeTag)};
}

QList<WexButton *> MainViewControls::hotSpots() const
{
    QList<WexButton *> buttons;
    for (int tag : MainViewLayout::hotSpotTags())
        buttons << byTag(tag);
    return buttons;
}

void MainViewControls::stackTabs(int slot)
{
    const QList<WexButton *> all = tabs();
    for (int i = 0; i < slot; ++i)
        all.at(i)->raise();
    for (int i = MainViewLayout::TabCount - 1; i > slot; --i)
        all.at(i)->raise();
    all.at(slot)->raise();
}

QStringList MainViewControls::hotSpotNames()
{
    QStringList names;
    for (const char *name : HotSpotNames)
        names << QLatin1String(name);
    return names;
}

QString MainViewControls::tooltipKey(int tag)
{
    for (const TooltipEntry &entry : TooltipKeys) {
        if (entry.tag == tag)
            return QLatin1String(entry.key);
    }
    return {};
}

} // namespace orvex
