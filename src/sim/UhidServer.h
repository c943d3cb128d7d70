// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QSocketNotifier;
struct uhid_event;

namespace orvex::sim {

class FirmwareModel;

// The virtual mouse as a kernel HID device, made through /dev/uhid with the
// identity and report descriptor of KernelMouseIdentity.h. hid-generic binds
// to it and gives it a hidraw node, so the host's real path (hidapi's hidraw
// backend, hidraw reader threads, udev's add and remove) runs unchanged.
//
// The kernel passes unnumbered feature reports as the USB HID driver does,
// seen from hidraw: a SET arrives as [0x00, 8 bytes], and a GET is answered
// with [0x00, 8 bytes], so that hidapi hands the host 9 bytes either way.
// The firmware model answers them, so the memory image and the trace are the
// same as over the socket. While the model is silent a GET gets no answer,
// and the kernel ends it with an error after its own timeout (5 s for uhid,
// as for a USB control transfer).
//
// Input reports become UHID_INPUT2 events. Unplugging destroys the kernel
// device and plugging in creates it again, so udev sees remove and add and
// the node may come back under another name.
//
// Runs on the thread that owns it; events the model raises on other threads
// are passed over to it.
class UhidServer : public QObject
{
    Q_OBJECT

public:
    static constexpr char DevicePath[] = "/dev/uhid";

    // `model` must outlive the server.
    explicit UhidServer(FirmwareModel &model, QObject *parent = nullptr);
    ~UhidServer() override;

    // Opens /dev/uhid and creates the device when the model is plugged in.
    // Fails with a one-line reason that names the kernel module and the
    // access needed when /dev/uhid is missing or not ours to open.
    bool start(QString *error);
    // Destroys the device and closes /dev/uhid.
    void stop();
    bool deviceExists() const { return m_created; }

private:
    void receive();
    void handle(const uhid_event &event);
    void answerGet(const uhid_event &event);
    void answerSet(const uhid_event &event);
    void plugChanged(bool plugged);
    void sendInput(const Report &report);
    bool create();
    void destroy();
    bool write(const uhid_event &event, const char *what);
    static QString openError(int error);

    FirmwareModel &m_model;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    int m_observerId = 0;
    bool m_created = false;
};

} // namespace orvex::sim
