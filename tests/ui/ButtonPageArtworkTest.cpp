// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "ButtonPageLayout.h"
#include "MacroViewLayout.h"
#include "platform/ResourceFolder.h"

#include <QImageReader>
#include <QRegion>

using namespace orvex;

namespace {

QString stateName(const ButtonPageLayout::Page &page, const QString &state, int scale)
{
    const QString base = page.skinName.section(u'_', 0, 0);
    return QStringLiteral("%1_%2%3.png")
        .arg(base, state, scale == 1 ? QString() : QStringLiteral("@2x"));
}

// The pages drawn from these tables: the button-function pages and the
// macro editor with its name dialog.
QList<const ButtonPageLayout::Page *> allPages()
{
    return ButtonPageLayout::all() + MacroViewLayout::all();
}

QImage shipped(const QString &name)
{
    return QImage(ResourceFolder::filePath(name)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The button-function pages' skins: shipped at 1x and 2x at the page's size,
// and differing between states exactly inside the buttons that cut their
// pictures from them, so each button shows every state and nothing else
// changes under it.
class ButtonPageArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void skinStatesDifferOnlyInsideTheirButtons_data()
    {
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("scale");
        const QList<const ButtonPageLayout::Page *> pages = allPages();
        for (int index = 0; index < pages.size(); ++index) {
            for (const int scale : {1, 2}) {
                for (const char *state : {"Over", "Down", "Disable", "Active"}) {
                    QTest::addRow("%s %s %dx", qPrintable(pages.at(index)->skinName), state, scale)
                        << index << QString::fromLatin1(state) << scale;
                }
            }
        }
    }

    void skinStatesDifferOnlyInsideTheirButtons()
    {
        QFETCH(int, pageIndex);
        QFETCH(QString, state);
        QFETCH(int, scale);
        const ButtonPageLayout::Page &page = *allPages().at(pageIndex);
        const QImage normal = shipped(stateName(page, QStringLiteral("Normal"), scale));
        const QImage other = shipped(stateName(page, state, scale));
        QCOMPARE(normal.size(), page.size * scale);
        QCOMPARE(other.size(), page.size * scale);
        QRegion buttons;
        for (const ButtonPageLayout::Control &control : page.buttons())
            buttons += QRect(control.rect.topLeft() * scale, control.rect.size() * scale);
        const QRegion changed = orvex::test::differingPixels(normal, other);
        orvex::test::expectChangesInside(changed, buttons, state);
        if (QTest::currentTestFailed())
            return;
        if (state == QLatin1String("Active"))
            return;
        for (const ButtonPageLayout::Control &control : page.buttons()) {
            const QRect rect(control.rect.topLeft() * scale, control.rect.size() * scale);
            QVERIFY2(changed.intersects(rect), qPrintable(control.field));
        }
    }

    // Every control lies inside its page, clear of the title strip, and no
    // two overlap.
    void controlsFitTheirPage()
    {
        for (const ButtonPageLayout::Page *page : allPages()) {
            const QRect body(0, page->titleHeight, page->size.width(),
                             page->size.height() - page->titleHeight);
            for (int i = 0; i < page->controls.size(); ++i) {
                const ButtonPageLayout::Control &control = page->controls.at(i);
                QVERIFY2(body.contains(control.rect), qPrintable(control.field));
                for (int j = i + 1; j < page->controls.size(); ++j)
                    QVERIFY2(!control.rect.intersects(page->controls.at(j).rect),
                             qPrintable(control.field + u' ' + page->controls.at(j).field));
            }
        }
    }
};

ORVEX_UI_TEST_MAIN(ButtonPageArtworkTest)

#include "ButtonPageArtworkTest.moc"
