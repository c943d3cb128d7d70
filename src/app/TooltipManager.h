// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanData.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace orvex {

// Tooltips and catalogue captions in the user's language.
//
// Tooltip.xml (user data folder, seeded from the shipped copy): a root element
// of any name holding "Lan" elements (attribute "name": a language name of
// the table below), each holding "Item" elements with the attributes "name"
// (the English key), "text", "viewID" (decimal) and "btnID". The first "Lan"
// is the fallback language. Look-ups search the chosen language, then the
// fallback; keys compare exactly, case and final "." included.
//
// Main thread only; the shared manager lives until the process ends.
class TooltipManager
{
public:
    using Language = std::shared_ptr<LanData>;

    static constexpr char TooltipFileName[] = "Tooltip.xml";

    // The shared manager, made with the constructor on the first call. It
    // also becomes the catalogue's source of combination captions.
    static TooltipManager *shareTooltipManager();
    // Drops the shared manager and the catalogue's link to it (tests).
    static void resetState();

    // `init`: loads the file, then chooses the system language.
    TooltipManager();

    // Loads Tooltip.xml from the user data folder (seeding it first); no
    // languages when there is no usable file.
    void initData();
    // Loads the languages of a Tooltip.xml document; a document that does not
    // parse gives no languages.
    void initDataFromXml(const QByteArray &xml);

    // The language name for the system language ("English" when the system
    // reports none); null for a code outside the table.
    static QString getSysLanName();
    // The table's language name of a code such as "pt-BR"; null when absent.
    static QString languageNameOfCode(const QString &code);

    // Chooses the first language of that name; the fallback language when
    // there is none or the name is null.
    void setLanByname(const QString &name);

    // The text for `key` in the chosen language, else in the fallback
    // language; null when neither has it.
    QString getTooltip(const QString &key);
    // The same two-stage search by view and control instead of key.
    QString getTooltip(int viewId, const QString &btnTag);
    // The control of the first item of `language` with that view and key;
    // `text` is not compared.
    static QString getBtnIdBy(const Language &language, const QString &key, const QString &text,
                              int viewId);

    const QList<Language> &infoList() const { return m_infoList; }
    Language currLan() const { return m_currLan; }
    Language engLan() const { return m_engLan; }

private:
    template <typename Match> QString lookUp(Match match);

    QList<Language> m_infoList;
    Language m_currLan;
    Language m_engLan;
};

} // namespace orvex
