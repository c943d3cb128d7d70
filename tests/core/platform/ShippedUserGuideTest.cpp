// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide the main window's help button opens: present in the build's
// resource folder as the programs look it up, well-formed, readable offline,
// every in-page link leading somewhere, and naming the main window's controls
// by the tooltips the user sees.
#include "platform/ResourceFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using orvex::ResourceFolder;

namespace {

const QString GuideName = QStringLiteral("Help/UserInterfaceSetupGuide_en.html");

// The sections other parts of the suite and the table of contents point at.
const char *const SectionIds[] = {
    "getting-started",
    "main-window",
    "assigning-functions",
    "profiles",
    "lighting",
    "performance",
    "recording-a-macro",
    "agent",
    "orvexctl",
    "keyboard-and-screen-readers",
    "troubleshooting",
};

// Elements that load or run something, which an offline guide never needs.
const char *const LoadingElements[] = {"script", "link",  "iframe", "object", "embed",
                                       "img",    "video", "audio",  "source", "base"};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// What one pass of the XML reader finds in the guide.
struct GuideOutline
{
    QString parseError;
    QSet<QString> ids;
    QSet<QString> sectionIds;
    QStringList contentsLinks;     // the href targets inside <nav>, in order
    QStringList pageLinks;         // every href
    QStringList loadingAttributes; // src, on..., and similar, as "element@attribute"
    QStringList loadingElements;
    QString styleText;
    QString bodyText; // the words of the page, whitespace collapsed
};

GuideOutline outline(const QByteArray &html)
{
    GuideOutline found;
    QXmlStreamReader reader(html);
    int navDepth = 0;
    bool inStyle = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            const QXmlStreamAttributes attributes = reader.attributes();
            const QString id = attributes.value(QStringLiteral("id")).toString();
            if (!id.isEmpty())
                found.ids.insert(id);
            if (name == QLatin1String("section"))
                found.sectionIds.insert(id);
            if (name == QLatin1String("nav") || navDepth > 0)
                ++navDepth;
            if (name == QLatin1String("style"))
                inStyle = true;
            for (const char *element : LoadingElements) {
                if (name == QLatin1String(element))
                    found.loadingElements << name;
            }
            for (const QXmlStreamAttribute &attribute : attributes) {
                const QString attributeName = attribute.name().toString();
                if (attributeName == QLatin1String("href")) {
                    found.pageLinks << attribute.value().toString();
                    if (navDepth > 0)
                        found.contentsLinks << attribute.value().toString();
                } else if (attributeName == QLatin1String("src") ||
                           attributeName.startsWith(QLatin1String("on")) ||
                           attributeName.endsWith(QLatin1String("href"))) {
                    found.loadingAttributes << name + QLatin1Char('@') + attributeName;
                }
            }
        } else if (reader.isEndElement()) {
            if (navDepth > 0)
                --navDepth;
            if (reader.name() == QLatin1String("style"))
                inStyle = false;
        } else if (reader.isCharacters()) {
            if (inStyle)
                found.styleText += reader.text();
            else
                found.bodyText += reader.text();
        }
    }
    if (reader.hasError()) {
        found.parseError =
            QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
    }
    found.bodyText = found.bodyText.simplified();
    return found;
}

// The main window's tooltips in English as the application shows them (one
// final "." dropped), from the shipped tooltip table.
QStringList mainWindowTooltips(const QByteArray &tooltipTable)
{
    QStringList texts;
    QXmlStreamReader reader(tooltipTable);
    bool inEnglish = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("Lan")) {
            inEnglish = attributes.value(QStringLiteral("name")) == QLatin1String("English");
            continue;
        }
        if (!inEnglish || reader.name() != QLatin1String("Item") ||
            attributes.value(QStringLiteral("viewID")) != QLatin1String("1") ||
            attributes.value(QStringLiteral("btnID")).isEmpty())
            continue;
        QString text = attributes.value(QStringLiteral("text")).toString();
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        texts << text;
    }
    return texts;
}

class ShippedUserGuide : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString path = ResourceFolder::filePath(GuideName);
        ASSERT_FALSE(path.isEmpty()) << "no resource folder";
        m_shipped = readFile(path);
        ASSERT_FALSE(m_shipped.isEmpty()) << path.toStdString() << " is missing or empty";
    }

    QByteArray m_shipped;
};

TEST_F(ShippedUserGuide, TheBuildShipsTheCurrentGuide)
{
    EXPECT_TRUE(m_shipped == readFile(QStringLiteral(ORVEX_SOURCE_DIR "/resources/") + GuideName))
        << "the resource folder holds an old copy";
}

TEST_F(ShippedUserGuide, IsWellFormedWithItsSectionsAndWorkingInPageLinks)
{
    const GuideOutline guide = outline(m_shipped);
    ASSERT_TRUE(guide.parseError.isEmpty()) << guide.parseError.toStdString();

    QStringList contentsTargets;
    for (const char *id : SectionIds) {
        EXPECT_TRUE(guide.sectionIds.contains(QLatin1String(id))) << "no section " << id;
        contentsTargets << QLatin1Char('#') + QLatin1String(id);
    }
    EXPECT_EQ(guide.contentsLinks, contentsTargets) << "the table of contents";

    for (const QString &link : guide.pageLinks) {
        ASSERT_TRUE(link.startsWith(QLatin1Char('#')))
            << "link out of the page: " << link.toStdString();
        EXPECT_TRUE(guide.ids.contains(link.mid(1))) << "link to nowhere: " << link.toStdString();
    }
}

TEST_F(ShippedUserGuide, LoadsAndRunsNothing)
{
    const GuideOutline guide = outline(m_shipped);
    ASSERT_TRUE(guide.parseError.isEmpty()) << guide.parseError.toStdString();
    EXPECT_TRUE(guide.loadingElements.isEmpty())
        << guide.loadingElements.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(guide.loadingAttributes.isEmpty())
        << guide.loadingAttributes.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(guide.styleText.isEmpty()) << "the look is inline";
    const QRegularExpression fetching(QStringLiteral("url\\s*\\(|@import|@font-face"),
                                      QRegularExpression::CaseInsensitiveOption);
    EXPECT_FALSE(guide.styleText.contains(fetching)) << "the style fetches something";
}

TEST_F(ShippedUserGuide, NamesTheMainWindowControlsByTheirTooltips)
{
    const GuideOutline guide = outline(m_shipped);
    ASSERT_TRUE(guide.parseError.isEmpty()) << guide.parseError.toStdString();
    const QStringList tooltips =
        mainWindowTooltips(readFile(QStringLiteral(ORVEX_SOURCE_DIR "/resources/Tooltip.xml")));
    ASSERT_GE(tooltips.size(), 20);
    for (const QString &tooltip : tooltips) {
        if (tooltip.startsWith(QLatin1String("Switch to profile ")))
            continue; // the five tabs are described together
        EXPECT_TRUE(guide.bodyText.contains(tooltip)) << tooltip.toStdString();
    }
    for (const char *dialogTitle : {"Unsaved changes", "Left click needed", "Mouse not found",
                                    "Battle LED mode", "Profile name in use"})
        EXPECT_TRUE(guide.bodyText.contains(QLatin1String(dialogTitle))) << dialogTitle;
}

} // namespace
