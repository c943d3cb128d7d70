// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLineEdit>

namespace orvex {

// A one-line text field of the skinned windows: its own background and text
// colours (the insertion point takes the text colour), optional border, and
// a label mode (not editable, no border) whose text is cut with an ellipsis
// when it does not fit.
//
// Assistive technologies read the name the window gives (setAccessibleName),
// else the tooltip, else, for a label, its text.
class WexTextField : public QLineEdit
{
    Q_OBJECT
public:
    explicit WexTextField(QWidget *parent = nullptr);

    void setBordered(bool bordered);
    bool isBordered() const { return m_bordered; }
    void setEditable(bool editable);
    bool isEditable() const { return !isReadOnly(); }
    // An invalid or fully transparent colour clears the background.
    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);
    QColor textColor() const { return m_textColor; }

    QString stringValue() const { return text(); }
    void setStringValue(const QString &value);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyLook();
    void refreshAccessibleName();

    QColor m_background = Qt::transparent;
    QColor m_textColor = Qt::white;
    bool m_bordered = true;
    // The name this field gave itself; one set by the window differs from
    // it and is then left alone.
    QString m_ownAccessibleName;
};

} // namespace orvex
