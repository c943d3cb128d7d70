// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "OrvexWidgetFactory.h"
#include "WexImageView.h"
#include "WexNoTitleWindow.h"
#include "WexTextField.h"
#include "platform/ResourceFolder.h"

#include <QAccessible>

using namespace orvex;

class WindowAndFieldsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheTopStripDragsTheWindow()
    {
        WexNoTitleWindow window(QSize(300, 200));
        window.setIsCanDrag(true);
        window.setDragHeight(50);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(20, 60));
        QTest::mouseMove(&window, QPoint(50, 90));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(50, 90));
        QCOMPARE(window.pos(), start);
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(&window, QPoint(50, 60));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(50, 60));
        QCOMPARE(window.pos(), start + QPoint(30, 40));
    }

    void contentFillsTheWindow()
    {
        WexNoTitleWindow window(QSize(120, 80));
        auto *content = new QWidget;
        window.setContentView(content);
        QCOMPARE(content->geometry(), QRect(0, 0, 120, 80));
        window.show();
        window.resize(200, 100);
        QCOMPARE(content->size(), QSize(200, 100));
    }

    void factoryFieldsAndLabels()
    {
        QWidget page;
        WexTextField *field = OrvexWidgetFactory::AddTextField(QRect(0, 0, 100, 20), &page);
        QVERIFY(field->isEditable());
        QVERIFY(field->isBordered());
        QCOMPARE(field->textColor(), QColor(Qt::white));
        QCOMPARE(field->font().pixelSize(), 12);
        WexTextField *label = OrvexWidgetFactory::AddLabTextField(QRect(0, 30, 100, 20), &page);
        QVERIFY(!label->isEditable());
        QVERIFY(!label->isBordered());
    }

    // A label is read by its text; an edit field by the window's name for it,
    // else its tooltip; a name the window gives is never overwritten.
    void textFieldsAreNamedForScreenReaders()
    {
        QWidget page;
        WexTextField *label = OrvexWidgetFactory::AddLabTextField(QRect(0, 0, 100, 20), &page);
        label->setStringValue(QStringLiteral("T Key"));
        const auto nameOf = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(label), QStringLiteral("T Key"));
        label->setStringValue(QStringLiteral("Page UP(Win)"));
        QCOMPARE(nameOf(label), QStringLiteral("Page UP(Win)"));

        WexTextField *field = OrvexWidgetFactory::AddTextField(QRect(0, 30, 100, 20), &page);
        field->setToolTip(QStringLiteral("Macro name"));
        QCOMPARE(nameOf(field), QStringLiteral("Macro name"));
        field->setAccessibleName(QStringLiteral("Name of the new macro"));
        field->setToolTip(QStringLiteral("Something else"));
        field->setStringValue(QStringLiteral("typed"));
        QCOMPARE(nameOf(field), QStringLiteral("Name of the new macro"));
    }

    void labelsCutLongTextWithAnEllipsis()
    {
        QWidget page;
        WexTextField *label = OrvexWidgetFactory::AddLabTextField(QRect(0, 0, 60, 20), &page);
        label->setStringValue(QStringLiteral("A caption far too long for its label"));
        const QImage drawn = test::rendered(label);
        // Nothing is drawn into the last two pixels: the text stops before the edge.
        for (int y = 0; y < drawn.height(); ++y)
            QCOMPARE(qAlpha(drawn.pixel(59, y)), qAlpha(drawn.pixel(59, 0)));
    }

    void picturesShrinkKeepingTheirShape()
    {
        QImage wide(80, 20, QImage::Format_ARGB32);
        wide.fill(Qt::red);
        WexImageView view;
        view.resize(40, 40);
        view.setImage(wide);
        const QImage drawn = test::rendered(&view);
        QCOMPARE(QColor(drawn.pixel(20, 20)), QColor(Qt::red));
        QVERIFY(QColor(drawn.pixel(20, 5)) != QColor(Qt::red));
        QVERIFY(!view.setImageFile(QStringLiteral("/no/such/picture.png")));
        QVERIFY(view.image().isNull());
    }

    void animatedPicturesAnimate()
    {
        const QString gif = ResourceFolder::filePath(QStringLiteral("Loading.gif"));
        WexImageView view;
        view.resize(146, 87);
        QVERIFY(view.setImageFile(gif));
        QVERIFY(view.isAnimated());
        QCOMPARE(view.image().size(), QSize(146, 87));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(face->role(), QAccessible::Graphic);
        QVERIFY(face->state().animated);
    }
};

ORVEX_UI_TEST_MAIN(WindowAndFieldsTest)
#include "WindowAndFieldsTest.moc"
