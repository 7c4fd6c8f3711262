// libFuzzer target: any bytes as a configuration file.

#include "ConfigurationReader.h"
#include "FuzzFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString s_path = FuzzFilePath("configuration.tlx");
    WriteFuzzFile(s_path, data, size);
    ConfigurationReader reader;
    if (!reader.ReadFile(s_path))
        abort();
    const int cylinders = reader.GetNumberOfCylinders();
    if (reader.IsValid() && cylinders > ConfigurationReader::MaxNumberOfCylinders)
        abort();
    if (cylinders >= 0 && cylinders <= ConfigurationReader::MaxNumberOfCylinders
        && reader.GetCylinderNames().size() < cylinders)
        abort();
    volatile int sink = reader.ToString().size() + reader.GetTemperatureUnitText().size()
        + reader.GetGroups().size() + reader.GetAdditions().size() + reader.GetDeviceType()
        + reader.GetDeviceId() + reader.GetDataFormat() + int(reader.GetStartTime());
    (void)sink;
    return 0;
}
