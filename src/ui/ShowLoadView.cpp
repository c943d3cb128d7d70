// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowLoadView.h"

#include "WexImageView.h"
#include "platform/ResourceFolder.h"

#include <QLabel>
#include <QProgressBar>

namespace orvex {

namespace {

constexpr int ProgressPixelSize = 11;
constexpr int BarHeight = 2;
constexpr int BarInset = 8;
constexpr int PercentScale = 100;

} // namespace

ShowLoadView::ShowLoadView(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setGeometry(frame);
    setAccessibleName(QStringLiteral("Loading"));
    m_progress = new QLabel(this);
    m_progress->setGeometry(0, height() - ProgressBandHeight, width(), ProgressBandHeight);
    m_progress->setAlignment(Qt::AlignCenter);
    QFont font = m_progress->font();
    font.setPixelSize(ProgressPixelSize);
    m_progress->setFont(font);
    m_progress->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
    m_progress->setAccessibleName(QStringLiteral("Progress"));
    m_bar = new QProgressBar(this);
    m_bar->setGeometry(BarInset, height() - BarHeight - 1, width() - 2 * BarInset, BarHeight);
    m_bar->setRange(0, PercentScale);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QStringLiteral("Transfer"));
    m_bar->setStyleSheet(QStringLiteral("QProgressBar { background: transparent; border: none; }"
                                        "QProgressBar::chunk { background: #e51e2b; }"));
    m_bar->hide();
}

void ShowLoadView::setAnt(bool on)
{
    if (!on) {
        delete m_showView;
        return;
    }
    if (m_showView)
        return;
    m_showView = new WexImageView(this);
    m_showView->setGeometry(rect());
    m_showView->setAccessibleName(accessibleName());
    m_showView->setImageFile(ResourceFolder::filePath(QLatin1String(AnimationName)));
    m_showView->setAnimates(true);
    m_showView->show();
    m_progress->raise();
    m_bar->raise();
}

void ShowLoadView::setProgress(int done, int total, const QString &text)
{
    m_progress->setText(text);
    m_bar->setVisible(total > 0);
    m_bar->setValue(total > 0 ? qBound(0, int(qint64(done) * PercentScale / total), PercentScale)
                              : 0);
    if (total > 0)
        setAccessibleDescription(QStringLiteral("%1 (%2 of %3)").arg(text).arg(done).arg(total));
    else
        setAccessibleDescription(text);
}

QString ShowLoadView::progressText() const
{
    return m_progress->text();
}

int ShowLoadView::progressPercent() const
{
    return m_bar->isVisibleTo(this) ? m_bar->value() : -1;
}

} // namespace orvex
