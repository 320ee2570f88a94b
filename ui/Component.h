// TComponent: a named object with a tag, owned by another component. An owner
// destroys the components it owns, latest first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Types.h"

namespace kv::ui {

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::u16string& Name() const { return name_; }
    void SetName(const std::u16string& name) { name_ = name; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }
    TComponent* Owner() const { return owner_; }

    // Owned components in creation order.
    int32_t ComponentCount() const { return static_cast<int32_t>(components_.size()); }
    TComponent* Components(int32_t index) const { return components_.at(static_cast<size_t>(index)); }
    // The owned component of that name (compared exactly), or null.
    TComponent* FindComponent(const std::u16string& name) const;

protected:
    // Destroys every owned component now, latest first.
    void DestroyComponents();

private:
    void Remove(TComponent* component);

    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::u16string name_;
    intptr_t tag_ = 0;
};

} // namespace kv::ui
