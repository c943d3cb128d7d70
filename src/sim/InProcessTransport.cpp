// SPDX-License-Identifier: GPL-3.0-or-later
#include "InProcessTransport.h"

namespace orvex::sim {

InProcessTransport::InProcessTransport() : InProcessTransport(std::make_shared<FirmwareModel>()) {}

InProcessTransport::InProcessTransport(std::shared_ptr<FirmwareModel> model)
    : m_owned(std::move(model)), m_model(m_owned.get())
{
}

InProcessTransport::InProcessTransport(FirmwareModel &model) : m_model(&model) {}

bool InProcessTransport::open()
{
    m_open = true;
    return m_model->isPlugged();
}

void InProcessTransport::close()
{
    m_open = false;
}

bool InProcessTransport::isPresent()
{
    return m_model->isPlugged();
}

bool InProcessTransport::sendFeatureReport(const Report &report)
{
    return m_open && m_model->setFeatureReport(report);
}

bool InProcessTransport::getFeatureReport(Report &report)
{
    return m_open && m_model->getFeatureReport(report);
}

QString InProcessTransport::describe() const
{
    return QStringLiteral("virtual mouse in process");
}

} // namespace orvex::sim
