// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowLoadView.h"

#include "WexImageView.h"
#include "platform/ResourceFolder.h"

#include <QLabel>

namespace orvex {

namespace {

constexpr int ProgressPixelSize = 11;

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
}

void ShowLoadView::setProgress(int done, int total, const QString &text)
{
    m_progress->setText(text);
    if (total > 0)
        setAccessibleDescription(QStringLiteral("%1 (%2 of %3)").arg(text).arg(done).arg(total));
    else
        setAccessibleDescription(text);
}

QString ShowLoadView::progressText() const
{
    return m_progress->text();
}

} // namespace orvex
