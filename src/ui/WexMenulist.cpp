// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexMenulist.h"

#include "WexMenulistDelegate.h"
#include "WexMenulistItemDelegate.h"
#include "catalogue/MenuInfo.h"
#include "platform/WexLogger.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvex {

namespace {

// One pixel of the outer (attribute) border and one of the inner border.
constexpr int BorderWidth = 2;
constexpr int ScrollBarWidth = 10;

} // namespace

WexMenulist *WexMenulist::menulistWithNode(const WexTreeNode::Ptr &node, QWidget *owner)
{
    auto *list = new WexMenulist(owner);
    list->setMenuNode(node);
    return list;
}

WexMenulist::WexMenulist(QWidget *owner) : QFrame(owner, Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAccessibleName(QStringLiteral("Choices"));
    m_textFont = font();
    m_textFont.setPixelSize(12);
    m_list = new QListWidget(this);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new WexMenulistItemDelegate(this));
    m_list->setAccessibleName(accessibleName());
    m_list->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::entered, m_list,
            [this](const QModelIndex &index) { m_list->setCurrentRow(index.row()); });
    connect(m_list, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { chooseRow(index.row()); });
    // The pointer and the keyboard move the current row, which selects it.
    // An assistive technology's action on a row selects it and leaves the
    // current row where it was: that is a choice. Taken after the signal, as
    // the delegate may rebuild the rows.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                const QModelIndexList rows = selected.indexes();
                if (rows.isEmpty() || rows.first() == m_list->currentIndex())
                    return;
                const int row = rows.first().row();
                QMetaObject::invokeMethod(
                    this,
                    [this, row] {
                        if (isVisible())
                            chooseRow(row);
                    },
                    Qt::QueuedConnection);
            });
    applyLook();
}

void WexMenulist::setMenuNode(const WexTreeNode::Ptr &node)
{
    m_node = node;
    rebuildRows();
}

void WexMenulist::setMenulistFontColor(const QColor &fontColor, const QColor &bgColor,
                                       const QColor &selFontColor, const QColor &selBgColor,
                                       const QColor &borderColor, const QColor &sepreColor,
                                       const QFont &textFont)
{
    m_fontColor = fontColor;
    m_bgColor = bgColor;
    m_selFontColor = selFontColor;
    m_selBgColor = selBgColor;
    m_innerBorderColor = borderColor;
    m_sepreColor = sepreColor;
    m_textFont = textFont;
    applyLook();
}

void WexMenulist::showMenulist(const QPoint &screenPoint)
{
    rebuildRows();
    m_list->setAccessibleName(accessibleName());
    const int visibleRows = qBound(1, rowCount(), MaxVisibleRows);
    QSize size(m_att.menuWidth(), visibleRows * RowHeight + 2 * BorderWidth);
    QPoint origin = screenPoint;
    if (const QScreen *screen = QGuiApplication::screenAt(screenPoint)) {
        const QRect available = screen->availableGeometry();
        size.setHeight(qMin(size.height(), available.height()));
        origin.setX(qBound(available.left(), origin.x(), available.right() - size.width() + 1));
        origin.setY(qBound(available.top(), origin.y(), available.bottom() - size.height() + 1));
    }
    resize(size);
    move(origin);
    m_list->setCurrentRow(-1);
    show();
    raise();
    m_list->setFocus(Qt::PopupFocusReason);
}

QString WexMenulist::rowCaption(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const auto data = m_rows.at(row)->nodeData();
    return data ? data->titleStr() : QString();
}

bool WexMenulist::chooseRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    // Held here: the delegate may rebuild the tree the node belongs to.
    const WexTreeNode::Ptr chosen = m_rows.at(row);
    hide();
    ORVEX_DEBUG(QStringLiteral("Menulist chose row %1 \"%2\"").arg(row).arg(rowCaption(row)));
    if (m_delegate)
        m_delegate->onMenulistSelected(this, chosen);
    return true;
}

bool WexMenulist::rowNeedsSeparator(int row) const
{
    if (!m_sepreColor.isValid() || row < 0 || row >= m_rows.size())
        return false;
    const auto entry = m_rows.at(row)->dataAs<MenuInfo>();
    return entry && entry->needSepretor;
}

void WexMenulist::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_bgColor);
    painter.setPen(m_att.borderColor());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(m_innerBorderColor);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

bool WexMenulist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            chooseRow(m_list->currentRow());
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void WexMenulist::rebuildRows()
{
    m_rows = m_node ? m_node->children() : QList<WexTreeNode::Ptr>();
    m_list->clear();
    for (int row = 0; row < m_rows.size(); ++row) {
        auto *item = new QListWidgetItem(rowCaption(row), m_list);
        item->setSizeHint(QSize(m_att.menuWidth(), RowHeight));
    }
}

void WexMenulist::applyLook()
{
    m_list->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; border: none; outline: none; }"
                       "QScrollBar:vertical { background: %1; width: %3px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %2; min-height: 20px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }")
            .arg(m_bgColor.name(), m_selBgColor.name())
            .arg(ScrollBarWidth));
    update();
}

} // namespace orvex
