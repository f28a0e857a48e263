#include <cctype>

#include "registry.h"

namespace vorne::registry {

namespace {

std::string Upper(const std::string& s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(Upper(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(Upper(part));
    return parts;
}

}  // namespace

FakeRegistry::Node* FakeRegistry::Resolve(RegKey key) const {
    if (key == kClassesRoot) return const_cast<Node*>(&root_);
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : it->second;
}

FakeRegistry::Node* FakeRegistry::Walk(Node* from, const std::string& subKey, bool create) {
    Node* n = from;
    for (const std::string& part : SplitPath(subKey)) {
        auto it = n->children.find(part);
        if (it == n->children.end()) {
            if (!create) return nullptr;
            auto child = std::make_unique<Node>();
            child->parent = n;
            child->key = part;
            it = n->children.emplace(part, std::move(child)).first;
        }
        n = it->second.get();
    }
    return n;
}

RegStatus FakeRegistry::CreateKey(RegKey root, const std::string& subKey, RegKey& out) {
    out = 0;
    if (fail_) return fail_;
    Node* from = Resolve(root);
    if (!from) return kRegInvalidHandle;
    Node* n = Walk(from, subKey, true);
    out = next_++;
    handles_[out] = n;
    return kRegOk;
}

RegStatus FakeRegistry::OpenKey(RegKey root, const std::string& subKey, RegKey& out) {
    out = 0;
    if (fail_) return fail_;
    Node* from = Resolve(root);
    if (!from) return kRegInvalidHandle;
    Node* n = Walk(from, subKey, false);
    if (!n) return kRegFileNotFound;
    out = next_++;
    handles_[out] = n;
    return kRegOk;
}

RegStatus FakeRegistry::QueryValue(RegKey key, const std::string& name, uint32_t& type, std::string& data) {
    if (fail_) return fail_;
    Node* n = Resolve(key);
    if (!n) return kRegInvalidHandle;
    auto it = n->values.find(Upper(name));
    if (it == n->values.end()) return kRegFileNotFound;
    type = it->second.type;
    data = it->second.data;
    return kRegOk;
}

RegStatus FakeRegistry::SetValue(RegKey key, const std::string& name, uint32_t type, const std::string& data) {
    if (fail_) return fail_;
    Node* n = Resolve(key);
    if (!n) return kRegInvalidHandle;
    n->values[Upper(name)] = Value{type, data};
    return kRegOk;
}

RegStatus FakeRegistry::DeleteValue(RegKey key, const std::string& name) {
    if (fail_) return fail_;
    Node* n = Resolve(key);
    if (!n) return kRegInvalidHandle;
    return n->values.erase(Upper(name)) ? kRegOk : kRegFileNotFound;
}

RegStatus FakeRegistry::DeleteKey(RegKey key, const std::string& subKey) {
    if (fail_) return fail_;
    Node* from = Resolve(key);
    if (!from) return kRegInvalidHandle;
    Node* n = Walk(from, subKey, false);
    if (!n) return kRegFileNotFound;
    if (n == &root_ || !n->children.empty()) return kRegAccessDenied;
    for (auto& h : handles_)
        if (h.second == n) h.second = nullptr;
    n->parent->children.erase(n->key);
    return kRegOk;
}

RegStatus FakeRegistry::CountSubKeys(RegKey key, uint32_t& count) {
    if (fail_) return fail_;
    Node* n = Resolve(key);
    if (!n) return kRegInvalidHandle;
    count = static_cast<uint32_t>(n->children.size());
    return kRegOk;
}

RegStatus FakeRegistry::CloseKey(RegKey key) {
    if (key == kClassesRoot) return kRegOk;
    return handles_.erase(key) ? kRegOk : kRegInvalidHandle;
}

const FakeRegistry::Node* FakeRegistry::Find(const std::string& path) const {
    return const_cast<FakeRegistry*>(this)->Walk(const_cast<Node*>(&root_), path, false);
}

bool FakeRegistry::KeyExists(const std::string& path) const { return Find(path) != nullptr; }

const FakeRegistry::Value* FakeRegistry::Get(const std::string& path, const std::string& name) const {
    const Node* n = Find(path);
    if (!n) return nullptr;
    auto it = n->values.find(Upper(name));
    return it == n->values.end() ? nullptr : &it->second;
}

}  // namespace vorne::registry
