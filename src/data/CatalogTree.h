#pragma once
// The catalogs as one window-free tree: the data files load into it and save from it, and every
// window that shows catalogs draws from it. Nodes are referred to by a CatalogId, which stays
// valid until the node is removed; removed ids are never handed out again, so a window that
// still holds one simply finds it gone.
#include "data/CatalogsFile.h"
#include "data/ItemList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using CatalogId = uint32_t;

class CatalogTree {
public:
    static constexpr CatalogId kRoot = 0;
    static constexpr CatalogId kNone = UINT32_MAX;

    CatalogTree();

    // Reading. Every id passed in must be live (IsLive), except where said.
    bool IsLive(CatalogId id) const { return id < m_nodes.size() && !m_nodes[id].removed; }
    // Live catalogs, the root not counted.
    size_t Count() const { return m_liveCount; }
    CatalogId Parent(CatalogId id) const { return m_nodes[id].parent; }
    CatalogId FirstChild(CatalogId id) const { return m_nodes[id].firstChild; }
    CatalogId NextSibling(CatalogId id) const { return m_nodes[id].next; }
    const std::string& Name(CatalogId id) const { return m_nodes[id].name; }
    // The node's CatalogData: its NodeID, then "|" and the index list when it has one.
    const std::string& Data(CatalogId id) const { return m_nodes[id].data; }
    std::string NodeId(CatalogId id) const;
    bool HasIndexList(CatalogId id) const;
    std::string IndexList(CatalogId id) const;
    // The live, named items the catalog lists, in list order (the root lists none).
    std::vector<size_t> Members(CatalogId id, const ItemList& items) const;
    // The catalog of a NodeID; kNone when no live catalog has it (first loaded wins on doubles).
    CatalogId Find(const std::string& nodeId) const;
    // True when `id` is `ancestor` or lies below it.
    bool IsWithin(CatalogId id, CatalogId ancestor) const;
    // Every live catalog below `from` (not `from` itself) in depth-first order, parents first.
    void Walk(CatalogId from, const std::function<void(CatalogId)>& visit) const;

    // Changing. The root cannot be renamed, moved or removed; such calls return false.
    // Adds a catalog last under `parent` with the given CatalogData (a fresh NodeID for a new
    // one); kNone when `parent` is not live.
    CatalogId Add(CatalogId parent, std::string name, std::string data);
    bool Rename(CatalogId id, std::string name);
    // Replaces the index list and keeps the NodeID; an empty list leaves the NodeID alone.
    void SetMembers(CatalogId id, const std::vector<size_t>& indexes);
    // Appends one index the way the windows always have ("|" first, then ",").
    void AddMember(CatalogId id, size_t index);
    // Removes the catalog with everything below it. The items stay in the item list.
    bool Remove(CatalogId id);
    // Moves the catalog with its branch to the end of `parent`'s children; refused into its own
    // branch.
    bool Move(CatalogId id, CatalogId parent);
    // Copies the branch of `from` in `source` under `parent` of this tree, with NodeIDs given by
    // `newNodeId` (the old NodeID in, the new one out; member lists are kept as they are).
    CatalogId CopyBranch(const CatalogTree& source, CatalogId from, CatalogId parent,
                         const std::function<std::string(const std::string&)>& newNodeId);
    void Clear();

    // The catalogs file. Records are placed below the root the way the file has always been
    // read: parents found by NodeID (or as the previous record's parent), unknown ones dropped.
    void AddRecords(const std::vector<CatalogRecord>& records);
    // One record at a time, for a file streamed in: `placement` carries the previous parent.
    struct RecordPlacement {
        std::string previousText;
        CatalogId previousParent = kNone;
    };
    CatalogId AddRecord(const CatalogRecord& record, RecordPlacement& placement);
    // Room for `catalogs` more, so a load of known size grows nothing on the way.
    void Reserve(size_t catalogs);
    static CatalogTree FromRecords(const std::vector<CatalogRecord>& records);
    // The file's text: a depth-first walk, parents before children, no trailing "\"; names
    // and NodeIDs as characters of the code page of `lead`.
    std::string Format(const LeadBytes& lead = LeadBytes::OfSystem()) const;

private:
    struct Node {
        CatalogId parent = kNone;
        CatalogId firstChild = kNone;
        CatalogId lastChild = kNone;
        CatalogId prev = kNone;
        CatalogId next = kNone;
        bool removed = false;
        std::string name;
        std::string data;
    };

    void Link(CatalogId id, CatalogId parent);
    void Unlink(CatalogId id);
    void Index(CatalogId id);
    void Enter(CatalogId id);
    void RebuildIndex();
    // Visits like Walk; a visit that returns false skips what lies below that node.
    void WalkBranches(CatalogId from, const std::function<bool(CatalogId)>& visit) const;
    size_t SlotOf(const char* nodeId, size_t length) const;

    std::vector<Node> m_nodes;
    size_t m_liveCount = 0;
    // Open addressing from NodeID to id: kNone marks a free slot. Rebuilt after removals.
    std::vector<CatalogId> m_slots;
    size_t m_indexed = 0;
};

// Reads and places a catalogs file below a fresh root; false when it cannot be read.
bool LoadCatalogTree(const std::string& path, CatalogTree& tree, CatalogParse* parse = nullptr);
// Writes the tree's text in one step; no catalogs, no file.
bool SaveCatalogTree(const std::string& path, const CatalogTree& tree);
