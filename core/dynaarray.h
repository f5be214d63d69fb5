#pragma once

#include <cstdint>

// A growable, contiguous array of fixed-size plain records with a built-in cursor.
// Capacity moves in steps of `buffersize` records; new memory is zero-filled. Every
// operation that reaches a record makes it current and, when the owner gave the
// address of a cursor variable, writes the record's address there as well.
// The container never looks inside its records and never releases what they own.
class TDynaArray {
public:
    void** outeraobj; // the owner's cursor variable, or null
    void* aobj;       // current record, or null
    void* poi;        // the block, or null
    uint32_t count;
    int32_t aobjnr; // cursor index; -1: none
    uint32_t amemsize;
    uint32_t buffersize;
    uint32_t size;

    TDynaArray(uint32_t thesize, void** typpoi);
    virtual ~TDynaArray();
    TDynaArray(const TDynaArray&) = delete;
    TDynaArray& operator=(const TDynaArray&) = delete;

    // No bounds test: callers pass 0 <= index < count.
    void* GetObject(uint32_t index);
    void* items(uint32_t index) { return GetObject(index); }

    void* Add();
    void* Insert(int32_t nr);
    void Delete(int32_t nr);
    void Change(int32_t nr1, int32_t nr2);
    void Clear();
    void First();
    bool Next();
    bool WhileNext();

    // Appends n zero records with one block change, as n calls of Add would leave
    // the array; returns the first of them. For readers that know the count.
    void* AddMany(uint32_t n);
    // Takes over the records of another array of the same record size, which is
    // left empty. The cursor of this array is cleared.
    void TakeOver(TDynaArray& andere);

    // Typed access that leaves the cursor alone.
    template <class T> T* at(uint32_t index) const {
        return reinterpret_cast<T*>(static_cast<unsigned char*>(poi) + uint64_t(index) * size);
    }
    template <class T> T* begin() const { return static_cast<T*>(poi); }
    template <class T> T* end() const { return at<T>(count); }

    static constexpr uint32_t schrittweite = 100;

private:
    void setzeCursor(uint32_t index);
    void loescheCursor();
    unsigned char* satz(uint32_t index) const {
        return static_cast<unsigned char*>(poi) + uint64_t(index) * size;
    }
    uint64_t blockFuer(uint64_t anzahl) const;
    // Makes room for neu records; returns true when the block stayed the same.
    bool wachse(uint64_t neu);
};

// The owner's cursor variable as the container sees it.
template <class T> void** cursorvariable(T*& variable) {
    return reinterpret_cast<void**>(&variable);
}
