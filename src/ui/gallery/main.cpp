// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-ui-gallery: every skinned control, picture and dialog in one window.
//   --overlay        show the loading overlay with the progress of an import
//   --menu           open the profile pick list
//   --dialog NAME    open the picture dialog NAME
//   --question TEXT  ask TEXT in a message box
//   --quit-after MS  end after MS milliseconds (for screenshots)
#include "GalleryLayout.h"
#include "GalleryView.h"
#include "LoadingOverlay.h"
#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexUiAction.h"
#include "platform/ResourceFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

using namespace orvex;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("overlay"), QStringLiteral("Show the loading overlay.")});
    options.addOption({QStringLiteral("menu"), QStringLiteral("Open the profile pick list.")});
    options.addOption({QStringLiteral("dialog"), QStringLiteral("Open a picture dialog."),
                       QStringLiteral("NAME")});
    options.addOption({QStringLiteral("question"), QStringLiteral("Ask in a message box."),
                       QStringLiteral("TEXT")});
    options.addOption({QStringLiteral("quit-after"), QStringLiteral("End after MS milliseconds."),
                       QStringLiteral("MS")});
    options.process(application);

    if (ResourceFolder::path().isEmpty())
        ResourceFolder::setOverride(QStringLiteral(ORVEX_GALLERY_RESOURCE_DIR));

    const QSize size(gallery::GalleryLayout::Width, gallery::GalleryLayout::Height);
    WexNoTitleWindow window(size);
    window.setWindowTitle(QStringLiteral("Orvex widget gallery"));
    auto *view = KeltoImageView::create<gallery::GalleryView>(QRect(QPoint(0, 0), size), &window);
    window.setContentView(view);
    window.setIsCanDrag(true);
    window.setDragHeight(gallery::GalleryLayout::TitleHeight);
    window.center();
    window.show();

    if (options.isSet(QStringLiteral("overlay"))) {
        LoadingOverlay::showLoadViewPro();
        LoadingOverlay::setProgress(2, 5, QStringLiteral("Reading profile 2 of 5"));
    }
    if (options.isSet(QStringLiteral("menu"))) {
        QTimer::singleShot(200, view, [view] {
            OrvexWidgetFactory::showMenulistWithBtn(view->pickButton(), view->profileList());
        });
    }
    if (options.isSet(QStringLiteral("dialog"))) {
        const QString name = options.value(QStringLiteral("dialog"));
        QTimer::singleShot(200, view, [name] { OrvexWidgetFactory::showPopView(name); });
    }
    if (options.isSet(QStringLiteral("question"))) {
        const QString text = options.value(QStringLiteral("question"));
        QTimer::singleShot(200, view, [text] { WexUiAction::ChooseInfoMessage(text); });
    }
    if (options.isSet(QStringLiteral("quit-after"))) {
        const int delay = options.value(QStringLiteral("quit-after")).toInt();
        QTimer::singleShot(delay, &application, [] { QCoreApplication::exit(0); });
    }
    return application.exec();
}
