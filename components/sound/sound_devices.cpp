// The devices the system lists, by the names it shows the user: the name is what the settings
// keep, since a device's id differs from one machine to the next while the user knows the name.
#include <initguid.h>

#include "components/sound/sound_devices.h"

#include <functiondiscoverykeys_devpkey.h>
#include <propvarutil.h>

#include "components/services/wide_text.h"

namespace {

ComPointer<IMMDeviceEnumerator> DeviceEnumerator() {
  ComPointer<IMMDeviceEnumerator> enumerator;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                              enumerator.PutVoid())))
    enumerator.Reset();
  return enumerator;
}

std::string FriendlyName(IMMDevice* device) {
  ComPointer<IPropertyStore> properties;
  if (FAILED(device->OpenPropertyStore(STGM_READ, properties.Put()))) return {};
  PROPVARIANT value;
  PropVariantInit(&value);
  std::string name;
  if (SUCCEEDED(properties->GetValue(PKEY_Device_FriendlyName, &value)) && value.vt == VT_LPWSTR)
    name = Narrow(value.pwszVal);
  PropVariantClear(&value);
  return name;
}

// Calls `visit` with each active capture device and its name until it answers true.
template <typename Visit>
void VisitMicrophones(IMMDeviceEnumerator* enumerator, Visit visit) {
  ComPointer<IMMDeviceCollection> devices;
  if (FAILED(enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, devices.Put()))) return;
  UINT count = 0;
  devices->GetCount(&count);
  for (UINT i = 0; i < count; ++i) {
    ComPointer<IMMDevice> device;
    if (FAILED(devices->Item(i, device.Put()))) continue;
    const std::string name = FriendlyName(device.get());
    if (visit(device, name)) return;
  }
}

}  // namespace

std::vector<std::string> MicrophoneNames() {
  const ComApartment com;
  std::vector<std::string> names;
  const ComPointer<IMMDeviceEnumerator> enumerator = DeviceEnumerator();
  if (!enumerator) return names;
  VisitMicrophones(enumerator.get(), [&](ComPointer<IMMDevice>&, const std::string& name) {
    if (!name.empty()) names.push_back(name);
    return false;
  });
  return names;
}

SoundRefusal FindSoundDevice(SoundSourceKind kind, const std::string& name, ComPointer<IMMDevice>& device) {
  const ComPointer<IMMDeviceEnumerator> enumerator = DeviceEnumerator();
  if (!enumerator) return SoundRefusal::Failed;
  if (kind == SoundSourceKind::ComputerSound || name.empty()) {
    const EDataFlow flow = kind == SoundSourceKind::ComputerSound ? eRender : eCapture;
    const HRESULT found = enumerator->GetDefaultAudioEndpoint(flow, eConsole, device.Put());
    if (found == E_ACCESSDENIED) return SoundRefusal::AccessDenied;
    return SUCCEEDED(found) ? SoundRefusal::None : SoundRefusal::NoDevice;
  }
  bool found = false;
  VisitMicrophones(enumerator.get(), [&](ComPointer<IMMDevice>& candidate, const std::string& candidateName) {
    if (candidateName != name) return false;
    device = std::move(candidate);
    found = true;
    return true;
  });
  return found ? SoundRefusal::None : SoundRefusal::NoDevice;
}
