// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonEvent.h"

#include "FirmwareModel.h"

namespace orvex::sim {

namespace {
const QLatin1String WordProfile("profile");
const QLatin1String WordDpiUp("dpi-up");
const QLatin1String WordDpiDown("dpi-down");
const QLatin1String WordButton("button");
const QLatin1String WordUnplug("unplug");
const QLatin1String WordPlug("plug");
const QLatin1String WordSilent("silent");
const QLatin1String WordAnswer("answer");
} // namespace

QString PersonEvent::forms()
{
    return QStringLiteral("profile, profile N (0..4), dpi-up, dpi-down, button SLOT (0..10), "
                          "unplug, plug, silent or answer");
}

std::optional<PersonEvent> PersonEvent::parse(const QStringList &words, QString *error)
{
    PersonEvent event;
    const QString name = words.value(0);
    const qsizetype count = words.size();
    if (name == WordProfile && count <= 2) {
        event.m_kind = count == 1 ? Kind::NextProfile : Kind::SwitchProfile;
        if (count == 1)
            return event;
        const std::optional<int> profile =
            parseNumber(words.at(1), fwmem::ProfileCount - 1, "profile", error);
        if (!profile)
            return std::nullopt;
        event.m_argument = *profile;
        return event;
    }
    if (name == WordButton && count == 2) {
        event.m_kind = Kind::Button;
        const std::optional<int> slot =
            parseNumber(words.at(1), fwmem::ButtonSlotCount - 1, "button slot", error);
        if (!slot)
            return std::nullopt;
        event.m_argument = *slot;
        return event;
    }
    if (count == 1) {
        const std::pair<QLatin1String, Kind> simple[] = {
            {WordDpiUp, Kind::DpiUp}, {WordDpiDown, Kind::DpiDown}, {WordUnplug, Kind::Unplug},
            {WordPlug, Kind::Plug},   {WordSilent, Kind::Silent},   {WordAnswer, Kind::Answer}};
        for (const auto &[word, kind] : simple) {
            if (name == word) {
                event.m_kind = kind;
                return event;
            }
        }
    }
    *error =
        QStringLiteral("unknown event '%1': use %2").arg(words.join(QLatin1Char(' ')), forms());
    return std::nullopt;
}

std::optional<int> PersonEvent::parseNumber(const QString &text, int last, const char *what,
                                            QString *error)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 0 || value > last) {
        *error = QStringLiteral("%1 must be a number from 0 to %2, not '%3'")
                     .arg(QLatin1String(what))
                     .arg(last)
                     .arg(text);
        return std::nullopt;
    }
    return value;
}

QStringList PersonEvent::words() const
{
    switch (m_kind) {
    case Kind::NextProfile:
        return {WordProfile};
    case Kind::SwitchProfile:
        return {WordProfile, QString::number(m_argument)};
    case Kind::DpiUp:
        return {WordDpiUp};
    case Kind::DpiDown:
        return {WordDpiDown};
    case Kind::Button:
        return {WordButton, QString::number(m_argument)};
    case Kind::Unplug:
        return {WordUnplug};
    case Kind::Plug:
        return {WordPlug};
    case Kind::Silent:
        return {WordSilent};
    case Kind::Answer:
        return {WordAnswer};
    }
    return {};
}

bool PersonEvent::applyTo(FirmwareModel &model, QString *error) const
{
    bool done = true;
    switch (m_kind) {
    case Kind::NextProfile:
        done = model.pressProfileButton();
        break;
    case Kind::SwitchProfile:
        done = model.switchProfile(m_argument);
        break;
    case Kind::DpiUp:
        done = model.pressDpiUp();
        break;
    case Kind::DpiDown:
        done = model.pressDpiDown();
        break;
    case Kind::Button:
        done = model.pressButton(m_argument);
        break;
    case Kind::Unplug:
        model.unplug();
        break;
    case Kind::Plug:
        model.plug();
        break;
    case Kind::Silent:
    case Kind::Answer:
        model.setSilent(m_kind == Kind::Silent);
        break;
    }
    if (!done)
        *error = QStringLiteral("the mouse is unplugged");
    return done;
}

} // namespace orvex::sim
