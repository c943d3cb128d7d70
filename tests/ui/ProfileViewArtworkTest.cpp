// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "ProfileViewLayout.h"
#include "platform/ResourceFolder.h"

#include <QImage>

using namespace orvex;

// The profile management page's skin: shipped in every state at 1x and 2x
// at the page's size, its buttons, table and hint inside the page below the
// title strip and clear of each other, and the table's well the same in
// every state (only the buttons change).
class ProfileViewArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void skinsAreShippedAtThePagesSize()
    {
        const ButtonPageLayout::Page &page = ProfileViewLayout::page();
        for (const int scale : {1, 2}) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
            const QImage normal(
                ResourceFolder::filePath(QStringLiteral("ProfileView_Normal%1.png").arg(suffix)));
            QCOMPARE(normal.size(), page.size * scale);
            for (const char *state : {"Over", "Down", "Disable", "Active"}) {
                const QImage other(ResourceFolder::filePath(
                    QStringLiteral("ProfileView_%1%2.png").arg(QLatin1String(state), suffix)));
                QCOMPARE(other.size(), page.size * scale);
                const QRect well(ProfileViewLayout::TableRect.topLeft() * scale,
                                 ProfileViewLayout::TableRect.size() * scale);
                QCOMPARE(other.copy(well), normal.copy(well));
            }
        }
    }

    void controlsTableAndHintFitThePage()
    {
        const ButtonPageLayout::Page &page = ProfileViewLayout::page();
        const QRect body(0, page.titleHeight, page.size.width(),
                         page.size.height() - page.titleHeight);
        QList<QPair<QString, QRect>> parts{{QStringLiteral("table"), ProfileViewLayout::TableRect},
                                           {QStringLiteral("hint"), ProfileViewLayout::HintRect}};
        for (const ButtonPageLayout::Control &control : page.controls)
            parts.append({control.field, control.rect});
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY2(body.contains(parts.at(i).second), qPrintable(parts.at(i).first));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts.at(i).second.intersects(parts.at(j).second),
                         qPrintable(parts.at(i).first + u' ' + parts.at(j).first));
        }
    }
};

ORVEX_UI_TEST_MAIN(ProfileViewArtworkTest)

#include "ProfileViewArtworkTest.moc"
