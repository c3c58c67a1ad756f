// The device's reports are untrusted: decoding must never crash, and what it
// accepts must survive a round trip through the encoder.
#include "device/devicetype1.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray report(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto frame = DeviceType1::decodeFrame(report);
    if (!frame)
        return 0;
    if (frame->command == 0)
        std::abort();
    const QByteArray sent = DeviceType1::encodeFrame(*frame);
    const auto again = DeviceType1::decodeFrame(sent.mid(1) + QByteArray(1, '\0'));
    if (!again || !(*again == *frame))
        std::abort();
    return 0;
}
