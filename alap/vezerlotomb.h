#pragma once
// A control array: controls of one kind under one name, told apart by a
// 16-bit index. Elements beyond those of the design are made at run time as
// hidden copies of element 0.

#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

template <class T>
class VezérlőTömb {
public:
    T& operator()(qint16 index) const
    {
        const auto it = elemek.find(index);
        if (it == elemek.end()) throw std::out_of_range("no such element in the control array");
        return *it->second;
    }
    bool van(qint16 index) const { return elemek.count(index) != 0; }

    // A design element, made by the design with the element's own values.
    T& tervezett(qint16 index)
    {
        auto& elem = elemek[index];
        elem = std::make_unique<T>();
        bekötés(*elem, index);
        return *elem;
    }
    void Load(qint16 index)
    {
        if (van(index)) throw std::logic_error("control array element already loaded");
        auto elem = std::make_unique<T>();
        elem->másolat((*this)(0));
        bekötés(*elem, index);
        elemek[index] = std::move(elem);
    }
    void Unload(qint16 index) { elemek.erase(index); }
    void mind_törlése() { elemek.clear(); }
    qint16 LBound() const { return elemek.empty() ? 0 : elemek.begin()->first; }
    qint16 UBound() const { return elemek.empty() ? -1 : elemek.rbegin()->first; }
    qint16 Count() const { return qint16(elemek.size()); }
    // One click handler for all elements, given the element's index.
    void onClick(std::function<void(qint16)> teendő) { kattintás = std::move(teendő); }
    void onMouseDown(std::function<void(qint16)> teendő) { lenyomás = std::move(teendő); }

private:
    void bekötés(T& elem, qint16 index)
    {
        if constexpr (requires { elem.onClick(std::function<void()>{}); })
            elem.onClick([this, index] {
                if (kattintás) kattintás(index);
            });
        if constexpr (requires { elem.onMouseDown(std::function<void()>{}); })
            elem.onMouseDown([this, index] {
                if (lenyomás) lenyomás(index);
            });
    }
    std::function<void(qint16)> kattintás;
    std::function<void(qint16)> lenyomás;
    std::map<qint16, std::unique_ptr<T>> elemek;
};
