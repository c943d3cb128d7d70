// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QString>

#include <memory>
#include <optional>

namespace orvex {

// Which mouse a program talks to, as given by `--device SELECTOR` or the
// environment variable ORVEX_DEVICE (the option wins):
//   hid       the real mouse through hidraw (the default)
//   sim       the virtual mouse at its default socket
//   sim:PATH  the virtual mouse at the socket PATH
class DeviceSelector
{
public:
    enum class Kind
    {
        Hid,
        Sim
    };

    static constexpr char EnvironmentVariable[] = "ORVEX_DEVICE";
    static QString acceptedForms();

    // Parses one selector; on failure answers nothing and sets *error to a
    // message that names the accepted forms. `sim` also fails when the default
    // socket's folder cannot be trusted (vmouse::prepareDefaultSocketPath).
    static std::optional<DeviceSelector> parse(const QString &text, QString *error);

    // The process's selector: the one set by setProcessOption() (from the
    // command line), else ORVEX_DEVICE, else hid.
    static std::optional<DeviceSelector> current(QString *error);
    // Records the --device option; an empty string means none was given.
    static void setProcessOption(const QString &option);
    // Forgets the --device option.
    static void resetState();

    Kind kind() const { return m_kind; }
    QString socketPath() const { return m_socketPath; }
    QString toString() const;

    std::unique_ptr<Transport> createTransport(int vendorId, int productId) const;

private:
    Kind m_kind = Kind::Hid;
    QString m_socketPath;
};

} // namespace orvex
