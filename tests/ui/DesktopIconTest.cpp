// SPDX-License-Identifier: GPL-3.0-or-later
// What `cmake --install` gives the desktop: the application's icon in the
// hicolor theme, named by the application's and the agent's entries.
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

const QString IconName = QStringLiteral("com.kelto.orvexOption");

// The Icon key of a desktop entry's main group.
QString iconKey(const QString &entryPath)
{
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QLatin1String("Icon=")))
            return line.mid(5);
    }
    return {};
}

} // namespace

class DesktopIconTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_destination;

    QString installed(const char *folder) const
    {
        return m_destination.path() + QLatin1String(folder);
    }

private Q_SLOTS:
    // The packaging's own install script, into a scratch DESTDIR.
    void initTestCase()
    {
        QVERIFY(m_destination.isValid());
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_destination.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(CMAKE_PATH),
                      {QStringLiteral("-P"),
                       QStringLiteral(ORVEX_BINARY_DIR "/packaging/cmake_install.cmake")});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void iconIsInstalledAtEverySize()
    {
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QString path = installed(ORVEX_ICONS_DIR) +
                                 QStringLiteral("/hicolor/%1x%1/apps/").arg(size) + IconName +
                                 QStringLiteral(".png");
            QImageReader reader(path);
            QVERIFY2(reader.canRead(), qPrintable(path));
            QCOMPARE(reader.size(), QSize(size, size));
            // A picture, not a blank square: its corners are clear, its
            // middle is not.
            const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size * 2 / 3)), 255);
        }
    }

    void scalableIconIsAnSvgPicture()
    {
        QFile file(installed(ORVEX_ICONS_DIR) + QStringLiteral("/hicolor/scalable/apps/") +
                   IconName + QStringLiteral(".svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int paths = 0;
        QString viewBox;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("svg"))
                viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
            else if (xml.name() == QLatin1String("path"))
                ++paths;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(viewBox, QStringLiteral("0 0 256 256"));
        QVERIFY(paths >= 5);
    }

    void entriesNameTheIcon()
    {
        QCOMPARE(iconKey(installed(ORVEX_APPLICATIONS_DIR) + QLatin1Char('/') + IconName +
                         QStringLiteral(".desktop")),
                 IconName);
        QCOMPARE(iconKey(installed(ORVEX_AUTOSTART_DIR) +
                         QStringLiteral("/com.kelto.orvexDaemon.desktop")),
                 IconName);
    }
};

ORVEX_UI_TEST_MAIN(DesktopIconTest)
#include "DesktopIconTest.moc"
