#include "widgets/Component.h"

#include "widgets/Application.h"
#include "widgets/Form.h"

namespace vcl {

TApplication& TComponent::Application() const {
    return owner_.Application();
}

platform::Platform& TComponent::Ports() const {
    return owner_.Application().Platform();
}

}  // namespace vcl
