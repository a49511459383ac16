// Singly linked element lists with a head and a tail link (the address of the
// link field that receives the next element), so appending is constant time.
#pragma once

template <class T>
struct GList {
  T* head = nullptr;
  T** tail = &head;  // &head while the list is empty

  GList() = default;
  // A copied list keeps its elements; a tail that pointed at the source's own
  // head must point at the copy's head instead.
  GList(const GList& o) : head(o.head), tail(o.tail == &o.head ? &head : o.tail) {}
  GList& operator=(const GList& o) {
    if (this != &o) {
      head = o.head;
      tail = (o.tail == &o.head) ? &head : o.tail;
    }
    return *this;
  }
  void Reset() {
    head = nullptr;
    tail = &head;
  }
  bool empty() const { return head == nullptr; }
  // Appends e (whose next must already be none) at the tail.
  void Append(T* e) {
    e->next = nullptr;
    *tail = e;
    tail = &e->next;
  }
  // Unlinks e; returns false when e is not in the list. Repairs the tail.
  bool Unlink(T* e) {
    for (T** link = &head; *link; link = &(*link)->next) {
      if (*link == e) {
        *link = e->next;
        if (tail == &e->next) tail = link;
        e->next = nullptr;
        return true;
      }
    }
    return false;
  }
  // Closes the list after its current last element (used after removals that
  // may leave the tail pointing into a freed element).
  void FixTail() {
    tail = &head;
    while (*tail) tail = &(*tail)->next;
  }
};
