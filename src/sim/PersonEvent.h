// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvex::sim {

class FirmwareModel;

// Something a person does with the mouse, as named on the command line and
// after EVENT on the socket:
//   profile        the profile button (next profile)
//   profile N      switch to firmware profile N (0..4)
//   dpi-up, dpi-down
//   button SLOT    press firmware button slot 0..10 of the active profile
//   unplug, plug
// and, to test the host against a mouse that has hung (FirmwareModel::setSilent):
//   silent         the firmware stops answering feature reads
//   answer         it answers them again
class PersonEvent
{
public:
    enum class Kind
    {
        NextProfile,
        SwitchProfile,
        DpiUp,
        DpiDown,
        Button,
        Unplug,
        Plug,
        Silent,
        Answer
    };

    // On failure answers nothing and sets *error to a one-line reason.
    static std::optional<PersonEvent> parse(const QStringList &words, QString *error);
    // The accepted forms, for help texts and error messages.
    static QString forms();

    Kind kind() const { return m_kind; }
    int argument() const { return m_argument; }
    QStringList words() const;

    // Acts on the model; fails (with a reason) while the mouse is unplugged.
    bool applyTo(FirmwareModel &model, QString *error) const;

private:
    static std::optional<int> parseNumber(const QString &text, int last, const char *what,
                                          QString *error);

    Kind m_kind = Kind::NextProfile;
    int m_argument = 0;
};

} // namespace orvex::sim
