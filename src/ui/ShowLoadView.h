// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexImageView.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace orvex {

// The content of the loading overlay: the animated "Loading.gif" while the
// animation is on, and over its lower band one line of progress ("Reading
// profile 2 of 5") above a thin bar of the share done.
class ShowLoadView : public QWidget
{
    Q_OBJECT
public:
    static constexpr char AnimationName[] = "Loading.gif";
    // The band of the animation left free for the progress line.
    static constexpr int ProgressBandHeight = 22;

    explicit ShowLoadView(const QRect &frame, QWidget *parent = nullptr);

    // On: a new animated view filling this one. Off: the animated view goes.
    void setAnt(bool on);
    WexImageView *showView() const { return m_showView; }

    // `text` as the progress line; `done` of `total` also goes to assistive
    // technologies (total 0: unknown). An empty text clears the line.
    void setProgress(int done, int total, const QString &text);
    QString progressText() const;
    // The share done, 0..100; -1 while unknown.
    int progressPercent() const;

private:
    QPointer<WexImageView> m_showView;
    QLabel *m_progress = nullptr;
    QProgressBar *m_bar = nullptr;
};

} // namespace orvex
