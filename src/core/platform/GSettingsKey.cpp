// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GSettingsKey.h"

#include "platform/WexLogger.h"

#include <gio/gio.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvex {

namespace {

struct SchemaDeleter
{
    void operator()(GSettingsSchema *schema) const { g_settings_schema_unref(schema); }
};
struct SchemaKeyDeleter
{
    void operator()(GSettingsSchemaKey *key) const { g_settings_schema_key_unref(key); }
};

} // namespace

GSettingsKey::GSettingsKey(GSettings *settings, GSettingsSchemaKey *schemaKey, QString schemaId,
                           bool isInteger)
    : m_settings(settings), m_schemaKey(schemaKey),
      m_key(g_settings_schema_key_get_name(schemaKey)), m_schemaId(std::move(schemaId)),
      m_isInteger(isInteger)
{
}

GSettingsKey::~GSettingsKey()
{
    g_settings_schema_key_unref(m_schemaKey);
    g_object_unref(m_settings);
}

std::unique_ptr<GSettingsKey> GSettingsKey::open(const QString &schemaId, const QString &key)
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    const QByteArray id = schemaId.toUtf8();
    const QByteArray keyName = key.toUtf8();
    std::unique_ptr<GSettingsSchema, SchemaDeleter> schema(
        g_settings_schema_source_lookup(source, id.constData(), TRUE));
    if (!schema || !g_settings_schema_has_key(schema.get(), keyName.constData()))
        return nullptr;

    std::unique_ptr<GSettingsSchemaKey, SchemaKeyDeleter> schemaKey(
        g_settings_schema_get_key(schema.get(), keyName.constData()));
    const GVariantType *type = g_settings_schema_key_get_value_type(schemaKey.get());
    const bool isDouble = g_variant_type_equal(type, G_VARIANT_TYPE_DOUBLE);
    const bool isInteger = g_variant_type_equal(type, G_VARIANT_TYPE_INT32);
    if (!isDouble && !isInteger) {
        ORVEX_WARNING(QStringLiteral("%1 %2 is not a number").arg(schemaId, key));
        return nullptr;
    }
    GSettings *settings = g_settings_new_full(schema.get(), nullptr, nullptr);
    return std::unique_ptr<GSettingsKey>(
        new GSettingsKey(settings, schemaKey.release(), schemaId, isInteger));
}

double GSettingsKey::value() const
{
    if (m_isInteger)
        return g_settings_get_int(m_settings, m_key.constData());
    return g_settings_get_double(m_settings, m_key.constData());
}

bool GSettingsKey::setValue(double value)
{
    GVariant *variant = nullptr;
    if (m_isInteger) {
        const double limited =
            std::clamp(std::round(value), double(std::numeric_limits<int>::min()),
                       double(std::numeric_limits<int>::max()));
        variant = g_variant_new_int32(int(limited));
    } else {
        variant = g_variant_new_double(value);
    }
    g_variant_ref_sink(variant);
    // GIO treats an out-of-range value as a programming error; refuse it here.
    const bool inRange = g_settings_schema_key_range_check(m_schemaKey, variant);
    const bool written = inRange && g_settings_set_value(m_settings, m_key.constData(), variant);
    g_variant_unref(variant);
    if (!written) {
        ORVEX_WARNING(QStringLiteral("cannot set %1 to %2").arg(name()).arg(value));
        return false;
    }
    g_settings_sync();
    return true;
}

void GSettingsKey::reset()
{
    g_settings_reset(m_settings, m_key.constData());
    g_settings_sync();
}

QString GSettingsKey::name() const
{
    return m_schemaId + QLatin1Char(' ') + QString::fromUtf8(m_key);
}

} // namespace orvex
