#pragma once
// A control array: elements by index, element 0 usually the hidden template
// made with the form. Load(i) adds element i made by the array's maker,
// Unload(i) removes it; UBound is the highest index loaded. Window-free.
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace vorne::forms {

template <class T>
class ControlArray {
public:
    using Maker = std::function<std::unique_ptr<T>(int index)>;
    explicit ControlArray(Maker maker) : maker_(std::move(maker)) {}

    // Throws std::invalid_argument when index is negative or already loaded
    // ("Object already loaded").
    T& Load(int index) {
        if (index < 0) throw std::invalid_argument("Control array element does not exist");
        if (elements_.count(index)) throw std::invalid_argument("Object already loaded");
        auto made = maker_(index);
        if (!made) throw std::runtime_error("Control array element not made");
        T& ref = *made;
        elements_.emplace(index, std::move(made));
        return ref;
    }
    // Loads the element after the highest one.
    T& LoadNext() { return Load(UBound() + 1); }
    // False when the element is not loaded.
    bool Unload(int index) { return elements_.erase(index) > 0; }
    // Removes element index from the array and hands it to the caller (who
    // may keep it alive until an event of it has returned); null when it is
    // not loaded.
    std::unique_ptr<T> Take(int index) {
        auto it = elements_.find(index);
        if (it == elements_.end()) return nullptr;
        std::unique_ptr<T> e = std::move(it->second);
        elements_.erase(it);
        return e;
    }
    bool Exists(int index) const { return elements_.count(index) > 0; }
    // The element, or nullptr.
    T* Find(int index) const {
        auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.get();
    }
    // Throws std::out_of_range for an element that is not loaded.
    T& operator[](int index) const {
        T* e = Find(index);
        if (!e) throw std::out_of_range("Control array element does not exist");
        return *e;
    }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    // -1 when the array is empty.
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    int Count() const { return static_cast<int>(elements_.size()); }
    // Unloads every element above index keep (the template stays).
    void UnloadAbove(int keep) {
        while (!elements_.empty() && elements_.rbegin()->first > keep) elements_.erase(std::prev(elements_.end()));
    }
    template <class F>
    void ForEach(F f) const {
        for (auto& [i, e] : elements_) f(i, *e);
    }

private:
    Maker maker_;
    std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace vorne::forms
