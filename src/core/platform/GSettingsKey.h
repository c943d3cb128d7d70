// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct _GSettings;
struct _GSettingsSchemaKey;

namespace orvex {

// One numeric key of a desktop GSettings schema (GIO), read and written as a
// double. Integer keys round on write. The backend is GIO's choice (dconf on
// a desktop; GSETTINGS_BACKEND=memory in the tests).
class GSettingsKey
{
public:
    // Nothing when the schema is not installed, has no such key, or the key
    // is neither a double ("d") nor an int32 ("i").
    static std::unique_ptr<GSettingsKey> open(const QString &schemaId, const QString &key);
    ~GSettingsKey();
    GSettingsKey(const GSettingsKey &) = delete;
    GSettingsKey &operator=(const GSettingsKey &) = delete;

    double value() const;
    // Answers false (and logs) when the value is outside the schema's range
    // or the key is not writable.
    bool setValue(double value);
    // Back to the schema's default.
    void reset();

    QString name() const;

private:
    GSettingsKey(_GSettings *settings, _GSettingsSchemaKey *schemaKey, QString schemaId,
                 bool isInteger);

    _GSettings *m_settings;
    _GSettingsSchemaKey *m_schemaKey;
    QByteArray m_key;
    QString m_schemaId;
    bool m_isInteger;
};

} // namespace orvex
