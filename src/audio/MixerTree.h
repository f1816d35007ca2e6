// The tree of the open mixer device: its destination lines, each with its
// source lines (connections), and the controls of every line. Lists own
// their items and release them through a virtual release operation.
#pragma once

#include <memory>
#include <vector>

#include "platform/MixerTypes.h"

namespace audio {

class TAudioMixer;

// Bounds on the counts a driver reports. Real devices have a few
// destinations with up to a couple of dozen sources, a handful of controls
// per line, stereo or surround channels and one selection item per source.
// A broken or hostile driver may report anything up to 0xFFFFFFFF, which
// trusted would mean billions of line queries or hundreds of gigabytes of
// control records and value buffers (and, in a 32-bit build, a buffer size
// that wraps round and is written past). The bounds are far above any real
// device and keep the largest possible tree under 40 MB and a value buffer
// at 64 KB.
constexpr platform::DWord kMaxMixerLines = 64;     // destinations of a device, sources of one
constexpr platform::DWord kMaxLineControls = 64;   // controls of one line
constexpr platform::DWord kMaxMixerChannels = 64;  // channels of a line a control is read with
constexpr platform::DWord kMaxMixerItems = 256;    // items of a multiple-item control

// A list of item pointers. ReleaseItem is called for every item when the
// list is cleared; here it releases nothing. A list that owns its items
// releases them in its own destructor, because the base destructor can no
// longer reach the derived ReleaseItem.
template <class T>
class TMixerList {
public:
    TMixerList() = default;
    TMixerList(const TMixerList&) = delete;
    TMixerList& operator=(const TMixerList&) = delete;
    virtual ~TMixerList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // nullptr for an index outside the list.
    T* Items(int index) const {
        return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : nullptr;
    }
    void Add(T* item) { items_.push_back(item); }
    void Clear() {
        for (T* item : items_) ReleaseItem(item);
        items_.clear();
    }

protected:
    virtual void ReleaseItem(T*) {}

private:
    std::vector<T*> items_;
};

class TMixerDestination;
class TMixerConnection;

class TMixerDestinationList : public TMixerList<TMixerDestination> {
public:
    TMixerDestinationList() = default;
    ~TMixerDestinationList() override { Clear(); }

protected:
    void ReleaseItem(TMixerDestination* item) override;
};

class TMixerConnectionList : public TMixerList<TMixerConnection> {
public:
    TMixerConnectionList() = default;
    ~TMixerConnectionList() override { Clear(); }

protected:
    void ReleaseItem(TMixerConnection* item) override;
};

// The controls of one line: one block of records filled by a single query,
// listed in the order the query returned them. A failed query leaves the
// list empty, and so does a count past kMaxLineControls, without a query.
class TMixerControls : public TMixerList<const platform::MixerControlA> {
public:
    TMixerControls(TAudioMixer& mixer, platform::DWord lineId, platform::DWord controlCount);
    ~TMixerControls() override { Clear(); }

    const std::vector<platform::MixerControlA>& FControlArray() const { return controlArray_; }

private:
    std::vector<platform::MixerControlA> controlArray_;
};

// A source line of a destination.
class TMixerConnection {
public:
    TMixerConnection(TAudioMixer& mixer, const platform::MixerLineA& line);

    TAudioMixer& Mixer() const { return mixer_; }
    const platform::MixerLineA& Data() const { return data_; }
    const TMixerControls& Controls() const { return *controls_; }

private:
    TAudioMixer& mixer_;
    platform::MixerLineA data_;
    std::unique_ptr<TMixerControls> controls_;
};

// The source lines of one destination, in the order found; a source whose
// line query fails is left out, and so are those past kMaxMixerLines.
class TMixerConnections : public TMixerConnectionList {
public:
    TMixerConnections(TAudioMixer& mixer, platform::DWord destination,
                      platform::DWord connectionCount);
    TAudioMixer& Mixer() const { return mixer_; }

private:
    TAudioMixer& mixer_;
};

class TMixerDestination {
public:
    TMixerDestination(TAudioMixer& mixer, const platform::MixerLineA& line);

    TAudioMixer& Mixer() const { return mixer_; }
    const platform::MixerLineA& Data() const { return data_; }
    const TMixerControls& Controls() const { return *controls_; }
    const TMixerConnections& Connections() const { return *connections_; }

private:
    TAudioMixer& mixer_;
    platform::MixerLineA data_;
    std::unique_ptr<TMixerConnections> connections_;
    std::unique_ptr<TMixerControls> controls_;
};

// The destinations of the open device, in the order found; a destination
// whose line query fails is left out, so positions can run ahead of the
// mixer's own numbers; those past kMaxMixerLines are not queried.
class TMixerDestinations : public TMixerDestinationList {
public:
    explicit TMixerDestinations(TAudioMixer& mixer);
};

}  // namespace audio
