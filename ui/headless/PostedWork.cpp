#include "ui/headless/PostedWork.h"

#include <deque>
#include <utility>

namespace kv::ui::headless {
namespace {

struct Item {
    const void* key;
    std::function<void()> work;
};

std::deque<Item>& Queue()
{
    static std::deque<Item> queue;
    return queue;
}

} // namespace

void Startup()
{
    Queue();
}

void Post(const void* key, std::function<void()> work)
{
    Queue().push_back(Item{key, std::move(work)});
}

void CancelPosted(const void* key)
{
    for (Item& item : Queue())
        if (item.key == key)
            item.work = nullptr;
}

void RunPosted()
{
    // One item at a time: running one may cancel a later one.
    for (size_t pending = Queue().size(); pending > 0 && !Queue().empty(); --pending) {
        Item item = std::move(Queue().front());
        Queue().pop_front();
        if (item.work)
            item.work();
    }
}

} // namespace kv::ui::headless
