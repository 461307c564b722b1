#include "engine/win32/SetupDiBatteryDevices.h"

// clang-format off
#include <windows.h>
#include <winioctl.h>
#include <initguid.h>
#include <batclass.h>
#include <setupapi.h>
// clang-format on

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tess {

namespace bc = battery_class;

// The layout that the plain reader assumes is the system's.
static_assert(bc::kQueryTag == IOCTL_BATTERY_QUERY_TAG);
static_assert(bc::kQueryInformation == IOCTL_BATTERY_QUERY_INFORMATION);
static_assert(bc::kQuerySize == sizeof(BATTERY_QUERY_INFORMATION));
static_assert(bc::kNoTag == BATTERY_TAG_INVALID);
static_assert(bc::kInformation == std::uint32_t{BatteryInformation} &&
              bc::kDeviceName == std::uint32_t{BatteryDeviceName} &&
              bc::kManufactureName == std::uint32_t{BatteryManufactureName} &&
              bc::kSerialNumber == std::uint32_t{BatterySerialNumber});
static_assert(bc::kInformationSize == sizeof(BATTERY_INFORMATION));
static_assert(bc::kCapabilitiesAt == offsetof(BATTERY_INFORMATION, Capabilities));
static_assert(bc::kChemistryAt == offsetof(BATTERY_INFORMATION, Chemistry));
static_assert(bc::kDesignedCapacityAt == offsetof(BATTERY_INFORMATION, DesignedCapacity));
static_assert(bc::kFullChargedCapacityAt == offsetof(BATTERY_INFORMATION, FullChargedCapacity));
static_assert(bc::kCycleCountAt == offsetof(BATTERY_INFORMATION, CycleCount));
static_assert(bc::kSystemBattery == BATTERY_SYSTEM_BATTERY);
static_assert(bc::kCapacityRelative == BATTERY_CAPACITY_RELATIVE);
static_assert(bc::kShortTerm == BATTERY_IS_SHORT_TERM);
static_assert(bc::kUnknownCapacity == BATTERY_UNKNOWN_CAPACITY);

namespace {

class DeviceList {
public:
    DeviceList()
        : set_(SetupDiGetClassDevsW(&GUID_DEVICE_BATTERY, nullptr, nullptr,
                                    DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~DeviceList() {
        if (set_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set_);
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;

    // The path of the interface at `index`; false after the last.
    bool PathAt(DWORD index, std::wstring& path) const {
        path.clear();
        if (set_ == INVALID_HANDLE_VALUE) return false;
        SP_DEVICE_INTERFACE_DATA interface {};
        interface.cbSize = sizeof interface;
        if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &GUID_DEVICE_BATTERY, index, &interface)) {
            return false;
        }
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(set_, &interface, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return true;
        // The detail is a header followed by the path; kept in DWORDs for its alignment.
        std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (SetupDiGetDeviceInterfaceDetailW(set_, &interface, detail, size, nullptr, nullptr)) {
            path = detail->DevicePath;
        }
        return true;
    }

private:
    HDEVINFO set_;
};

class OpenDevice : public BatteryDevice {
public:
    explicit OpenDevice(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenDevice() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    std::optional<std::size_t> Control(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                       std::vector<std::uint8_t>& output) override {
        DWORD returned = 0;
        if (!DeviceIoControl(handle_, code, const_cast<std::uint8_t*>(input.data()),
                             static_cast<DWORD>(input.size()), output.data(),
                             static_cast<DWORD>(output.size()), &returned, nullptr)) {
            return std::nullopt;
        }
        return returned;
    }

private:
    HANDLE handle_;
};

}  // namespace

void SetupDiBatteryDevices::ForEach(const std::function<void(BatteryDevice&)>& read) {
    const DeviceList devices;
    std::wstring path;
    for (DWORD index = 0; devices.PathAt(index, path); ++index) {
        if (path.empty()) continue;
        OpenDevice device(path);
        if (device.IsOpen()) read(device);
    }
}

}  // namespace tess
