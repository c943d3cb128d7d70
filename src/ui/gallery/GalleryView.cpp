// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryView.h"

#include "GalleryLayout.h"
#include "GallerySkin.h"
#include "LoadingOverlay.h"
#include "OrvexWidgetFactory.h"
#include "PickListStyle.h"
#include "PopDialogLayout.h"
#include "WexImageView.h"
#include "WexMenulist.h"
#include "WexSetpPanelObj.h"
#include "WexTextField.h"
#include "device/MemoryMap.h"
#include "platform/ResourceFolder.h"

#include <QTimer>

namespace orvex::gallery {

namespace {

const QStringList FunctionIcons{
    QStringLiteral("BtnFunType_D.png"), QStringLiteral("BtnFunType_S.png"),
    QStringLiteral("BtnFunType_T.png"), QStringLiteral("BtnFunType_L.png")};
const QStringList FunctionNames{
    QStringLiteral("Default function"), QStringLiteral("Single key function"),
    QStringLiteral("Macro function"), QStringLiteral("Application launcher")};

struct Step
{
    const char *icon;
    const char *text;
};
constexpr Step Steps[] = {
    {"MacroList_KeyDown.jpg", "Press A"},
    {"MacroList_KeyUp.jpg", "Release A"},
    {"MacroList_Command.png", "Copy"},
    {"MacroList_Delay.jpg", "50 ms"},
    {"MacroList_MouseDown.jpg", "L Button Down"},
    {"MacroList_MouseUp.jpg", "L Button Up"},
};

constexpr int OverlayProfiles = 5;
constexpr int OverlayStepMs = 700;

WexImageView *pictureView(QWidget *parent, const QRect &rect, const QString &file,
                          const QString &name)
{
    auto *view = new WexImageView(parent);
    view->setGeometry(rect);
    view->setImageFile(ResourceFolder::filePath(file));
    view->setAccessibleName(name);
    view->show();
    return view;
}

// Shows the overlay and walks its progress line through an import of the
// five onboard profiles, as a transfer would report it.
void demonstrateOverlay()
{
    LoadingOverlay::showLoadViewPro();
    for (int profile = 1; profile <= OverlayProfiles + 1; ++profile) {
        QTimer::singleShot((profile - 1) * OverlayStepMs, [profile] {
            if (profile > OverlayProfiles)
                LoadingOverlay::hideLoadViewPro();
            else
                LoadingOverlay::setProgress(
                    profile, OverlayProfiles,
                    QStringLiteral("Reading profile %1 of %2").arg(profile).arg(OverlayProfiles));
        });
    }
}

} // namespace

GalleryView::GalleryView(const QRect &frame, QWidget *parent) : KeltoImageView(frame, parent)
{
    setAccessibleName(QStringLiteral("Widget gallery"));
}

GalleryView::~GalleryView()
{
    delete m_profileList;
}

void GalleryView::initData()
{
    setBgImage(GallerySkin::render(SkinPainter::Face::Normal));
    setOverImage(GallerySkin::render(SkinPainter::Face::Over));
    setDownImage(GallerySkin::render(SkinPainter::Face::Down));
    setDisableImage(GallerySkin::render(SkinPainter::Face::Disable));
    setActiveImage(GallerySkin::render(SkinPainter::Face::Active));
}

void GalleryView::initControls()
{
    addButtons();
    addSelectors();
    addPictures();
    addFields();
    addMacroSteps();
    addDialogs();
    addLoading();
}

WexButton *GalleryView::addFaceButton(const QRect &rect, const QString &tip)
{
    WexButton *button = OrvexWidgetFactory::AddButton(rect, {}, {}, this);
    button->setToolTip(tip);
    track(button);
    return button;
}

void GalleryView::addButtons()
{
    WexButton *last = nullptr;
    for (const GalleryLayout::Face &face : GalleryLayout::pushButtons())
        last = addFaceButton(face.rect, face.caption);
    last->setIsEnable(false);
    for (const GalleryLayout::Face &face : GalleryLayout::checkBoxes()) {
        WexButton *box = OrvexWidgetFactory::AddCheckBox(face.rect, {}, {}, this);
        box->setToolTip(face.caption);
        track(box);
    }
    m_profileRoot = WexTreeNode::initWithData(nullptr);
    for (const QString &name : {QStringLiteral("Default 1"), QStringLiteral("Shooter"),
                                QStringLiteral("Strategy"), QStringLiteral("Office")}) {
        auto entry = std::make_shared<WexMenuData>();
        entry->setTitleStr(name);
        WexTreeNode::initWithData(entry, m_profileRoot);
    }
    m_profileList = WexMenulist::menulistWithNode(m_profileRoot);
    PickListStyle::apply(m_profileList, GalleryLayout::pickButton().width());
    m_profileList->setDelegate(this);
    m_profileList->setAccessibleName(QStringLiteral("Stored profiles"));
    m_pickButton = OrvexWidgetFactory::AddButton(
        GalleryLayout::pickButton(),
        [this](WexButton *sender) {
            OrvexWidgetFactory::showMenulistWithBtn(sender, m_profileList);
        },
        {}, this);
    m_pickButton->setTitle(QStringLiteral("Default 1"));
    m_pickButton->setBtnColor(Qt::white);
    m_pickButton->setLeftPad(2);
    m_pickButton->setRightPad(18);
    m_pickButton->setToolTip(QStringLiteral("Choose the stored profile"));
    track(m_pickButton);
}

void GalleryView::addSelectors()
{
    m_profileStep = new WexSetpPanelObj(this);
    for (const GalleryLayout::Face &face : GalleryLayout::profileTabs()) {
        WexButton *tab = addFaceButton(
            face.rect, QStringLiteral("Switch to profile %1 page.").arg(face.caption.mid(1)));
        m_profileStep->addItem(tab);
    }
    m_profileStep->setSetpDelegate(this);
    m_profileStep->selectindex(1);
    m_modeStep = new WexSetpPanelObj(this);
    for (const GalleryLayout::Face &face : GalleryLayout::modeButtons())
        m_modeStep->addItem(addFaceButton(face.rect, face.caption + QStringLiteral(" LED mode")));
    m_modeStep->setSetpDelegate(this);
    m_modeStep->selectindex(1);
}

void GalleryView::addPictures()
{
    for (int i = 0; i < FunctionIcons.size(); ++i) {
        WexImageView *icon = pictureView(this, GalleryLayout::functionIcon(i), FunctionIcons.at(i),
                                         FunctionNames.at(i));
        icon->setToolTip(FunctionNames.at(i));
        track(icon);
    }
    track(pictureView(this, GalleryLayout::zoneMarker(), QStringLiteral("selected1.png"),
                      QStringLiteral("Zone highlight")));
    track(pictureView(this, GalleryLayout::hotSpotMarker(), QStringLiteral("selected2.png"),
                      QStringLiteral("Selected button marker")));
    m_caption = OrvexWidgetFactory::AddLabTextField(GalleryLayout::functionCaption(), this);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    m_caption->setFont(font);
    m_caption->setStringValue(QStringLiteral("Page Down(Win)"));
    track(m_caption);
}

void GalleryView::addFields()
{
    WexTextField *name = OrvexWidgetFactory::AddTextField(GalleryLayout::textField(), this);
    name->setStringValue(QStringLiteral("Macro 1"));
    name->setAccessibleName(QStringLiteral("Macro name"));
    track(name);
    WexTextField *label = OrvexWidgetFactory::AddLabTextField(GalleryLayout::label(), this);
    label->setStringValue(QStringLiteral("Resolution of level 2"));
    track(label);
    WexNumberTextField *dpi =
        OrvexWidgetFactory::AddNumTextField(GalleryLayout::numberField(), this, 8200, 50, 4, false);
    dpi->setIntValue(1600);
    dpi->setToolTip(QStringLiteral("Resolution in DPI"));
    track(dpi);
    WexTextField *unit = OrvexWidgetFactory::AddLabTextField(GalleryLayout::numberUnit(), this);
    unit->setStringValue(QStringLiteral("DPI"));
    track(unit);

    const QImage levelThumb = loadImage(QStringLiteral("Slider1.png"));
    WexProgressBar *level = OrvexWidgetFactory::AddProBar(
        GalleryLayout::dpiSlider(),
        [dpi](WexProgressBar *sender) {
            dpi->setIntValue(int(sender->currentPos()) * fwmem::DpiUnit);
        },
        this, levelThumb, 164, 1);
    level->setOverImage(
        OrvexWidgetFactory::GetImageFromRect(activeImage(), GalleryLayout::dpiSlider()));
    level->setIsConImage(true);
    level->setCurrentPos(32);
    level->setAccessibleName(QStringLiteral("Resolution"));
    track(level);
    WexProgressBar *speed = OrvexWidgetFactory::AddProBar(
        GalleryLayout::speedSlider(), {}, this, loadImage(QStringLiteral("Slider2.png")), 10, 1);
    speed->setCurrentPos(6);
    speed->setToolTip(QStringLiteral("Pointer speed"));
    track(speed);
}

void GalleryView::addMacroSteps()
{
    int row = 0;
    for (const Step &step : Steps) {
        const QString text = QString::fromLatin1(step.text);
        track(
            pictureView(this, GalleryLayout::stepIcon(row), QString::fromLatin1(step.icon), text));
        WexTextField *label =
            OrvexWidgetFactory::AddLabTextField(GalleryLayout::stepText(row), this);
        label->setStringValue(text);
        track(label);
        ++row;
    }
}

void GalleryView::addDialogs()
{
    const QList<PopDialogLayout> &dialogs = PopDialogLayout::all();
    for (int i = 0; i < dialogs.size(); ++i) {
        const PopDialogLayout &dialog = dialogs.at(i);
        const QRect rect = GalleryLayout::dialogThumbnail(i);
        const QString name = dialog.name;
        WexButton *thumbnail = OrvexWidgetFactory::AddButton(
            rect, [name](WexButton *) { OrvexWidgetFactory::showPopView(name); }, {}, this);
        const QImage picture =
            getImageByName(name, QStringLiteral("Normal"), QStringLiteral("png"));
        const QImage over = getImageByName(name, QStringLiteral("Over"), QStringLiteral("png"));
        const auto fit = [&rect](const QImage &image) {
            return image.isNull()
                       ? image
                       : image.scaled(rect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        };
        thumbnail->setNormalImage(fit(picture));
        thumbnail->setHoverImage(fit(over));
        thumbnail->setHightImage(fit(over));
        thumbnail->setIsNoanomaly(true);
        thumbnail->setToolTip(QStringLiteral("Open the dialog \"%1\"").arg(dialog.title));
        track(thumbnail);
    }
}

void GalleryView::addLoading()
{
    WexImageView *animation =
        pictureView(this, GalleryLayout::loadingAnimation(), QStringLiteral("Loading.gif"),
                    QStringLiteral("Loading animation"));
    track(animation);
    const GalleryLayout::Face face = GalleryLayout::overlayButton();
    WexButton *show = addFaceButton(face.rect, QStringLiteral("Show the loading overlay"));
    show->setAction([](WexButton *) { demonstrateOverlay(); });
}

void GalleryView::onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
{
    (void)oldIndex;
    if (sender == m_profileStep && m_caption)
        m_caption->setStringValue(QStringLiteral("Profile %1").arg(newIndex));
}

void GalleryView::onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode)
{
    (void)list;
    if (m_pickButton && selNode && selNode->nodeData())
        m_pickButton->setTitle(selNode->nodeData()->titleStr());
}

} // namespace orvex::gallery
