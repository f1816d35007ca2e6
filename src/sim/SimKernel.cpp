#include "sim/SimKernel.h"

#include <vector>

namespace sim {

using namespace platform;

bool SimKernel::OpenSemaphore(const std::string& name) {
    return semaphores_[name]++ > 0;
}

Handle SimKernel::Add(SimKernelObject object) {
    const Handle handle = next_ += 4;
    objects_[handle] = std::move(object);
    return handle;
}

SimKernelObject* SimKernel::Find(Handle handle) {
    auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : &it->second;
}

bool SimKernel::Close(Handle handle) {
    auto it = objects_.find(handle);
    if (it == objects_.end()) return false;
    if (it->second.kind == SimKernelObject::Kind::Semaphore) {
        auto named = semaphores_.find(it->second.name);
        if (named != semaphores_.end() && --named->second <= 0) semaphores_.erase(named);
    }
    objects_.erase(it);
    return true;
}

void SimKernel::CloseAllOf(DWord process) {
    std::vector<Handle> handles;
    for (const auto& [handle, object] : objects_)
        if (object.process == process) handles.push_back(handle);
    for (Handle handle : handles) Close(handle);
}

std::size_t SimKernel::OpenHandles(DWord process) const {
    std::size_t count = 0;
    for (const auto& entry : objects_)
        if (entry.second.process == process) ++count;
    return count;
}

}  // namespace sim
