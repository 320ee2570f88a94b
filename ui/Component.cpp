#include "ui/Component.h"

#include <algorithm>

namespace kv::ui {

TComponent::TComponent(TComponent* owner) : owner_(owner)
{
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    DestroyComponents();
    if (owner_)
        owner_->Remove(this);
}

TComponent* TComponent::FindComponent(const std::u16string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::DestroyComponents()
{
    // Each destructor removes itself from the list, so take the last one out first.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

void TComponent::Remove(TComponent* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}

} // namespace kv::ui
