#pragma once

// Command targets and their message maps.
//
// A message map is a static table of entries, one per handler; each class's
// table links to its base class's table through a function (never through
// imported data, so that a map defined in one module may derive from a map
// in another). Entries are searched from the most derived class down, and
// within a table from the top; the first match decides.
//
// An entry carries the message, the notification code, the range of control
// or command ids, the handler's form and the handler. OnCmdMsg dispatches
// the command forms (WM_COMMAND: commands, command-UI updates and control
// notifications) and the WM_NOTIFY forms; the window layer dispatches the
// window-message forms from the same tables (its forms are numbered from
// AfxSig_firstWindowForm, its entries use nCode 0 and ids 0).
//
// Tables are built the first time a class's map is used, so an entry may
// name a message number held in a variable that static initialisation set
// (a registered window message).

#include "core/CObject.h"

class CCmdTarget;
class CCmdUI;

// Marks message handlers in class declarations.
#define afx_msg

// The codes OnCmdMsg receives for WM_COMMAND: a command, or the question
// whether a command is enabled, checked or renamed (pExtra is then the
// CCmdUI to update). Any other code below 0x10000 is a control
// notification. MAKELONG(code, WM_NOTIFY) is a WM_NOTIFY notification with
// pExtra pointing to an AFX_NOTIFY.
const int CN_COMMAND = 0;
const int CN_UPDATE_COMMAND_UI = -1;

// The form of a handler, which says how to call it.
enum AfxSig : UINT
{
    AfxSig_end = 0,
    AfxSig_command,          // void ()
    AfxSig_commandEx,        // BOOL (UINT nID): FALSE lets routing go on
    AfxSig_commandRange,     // void (UINT nID)
    AfxSig_updateCommandUI,  // void (CCmdUI*)
    AfxSig_notify,           // void (NMHDR*, LRESULT*)
    AfxSig_notifyEx,         // BOOL (UINT nID, NMHDR*, LRESULT*): FALSE lets routing go on
    AfxSig_notifyRange,      // void (UINT nID, NMHDR*, LRESULT*)
    AfxSig_firstWindowForm = 0x100
};

// Every handler is stored as this type and cast back to its form to call it.
typedef void (CCmdTarget::*AFX_PMSG)();

// The two casts: a handler of any form is stored as AFX_PMSG and cast back to
// exactly that form before it is called, which the language guarantees to
// give the original pointer. The compiler's warning about calls through a
// mismatched type does not apply.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
template <class TForm>
inline AFX_PMSG AfxStoreHandler(TForm pfn)
{
    return reinterpret_cast<AFX_PMSG>(pfn);
}

template <class TForm>
inline TForm AfxHandlerAs(AFX_PMSG pfn)
{
    return reinterpret_cast<TForm>(pfn);
}
#pragma GCC diagnostic pop

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled in by OnCmdMsg instead of calling the handler it found.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of a WM_NOTIFY notification.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// The entry of one table that handles (nMessage, nCode, nID), or NULL. Only
// the low 16 bits of the codes are compared: notification codes are 16-bit.
FRAMEWORK_API const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMessage,
                                                          UINT nCode, UINT nID);

class FRAMEWORK_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();

    // Looks for a handler of the command or notification in this object's
    // map and calls it; TRUE when it was handled. With pHandlerInfo, only
    // reports whether (and where) a handler exists and calls nothing.
    // Classes that route commands on to other targets override this.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The wait cursor, counted: it stays until every Begin has its End.
    void BeginWaitCursor();
    void EndWaitCursor();
    // Shows it again after something (a dialog) changed the cursor.
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Message-map declarations.

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
    static const AFX_MSGMAP* GetThisMessageMap();   \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const                       \
    {                                                                       \
        return GetThisMessageMap();                                         \
    }                                                                       \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                         \
    {                                                                       \
        using ThisClass [[maybe_unused]] = theClass;                        \
        using TheBaseClass = baseClass;                                     \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                   \
            {0, 0, 0, 0, AfxSig_end, nullptr}                               \
        };                                                                  \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
        return &messageMap;                                                 \
    }

// Stores a handler of the given form; the handler's type must match the
// form exactly.
#define AFX_MSG_HANDLER(form, memberFxn) AfxStoreHandler(static_cast<form>(&ThisClass::memberFxn))

#define AFX_CMD_ENTRY(message, code, id, lastId, sig, form, memberFxn) \
    {(UINT)(message), (UINT)(code), (UINT)(id), (UINT)(lastId), (sig), AFX_MSG_HANDLER(form, memberFxn)},

#define ON_COMMAND(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_command, void (CCmdTarget::*)(), memberFxn)
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSig_commandEx, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_commandRange, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSig_commandEx, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                       \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSig_updateCommandUI,               \
                  void (CCmdTarget::*)(CCmdUI*), memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                         \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSig_updateCommandUI,           \
                  void (CCmdTarget::*)(CCmdUI*), memberFxn)

// A control's WM_COMMAND notification (BN_CLICKED, EN_CHANGE...).
#define ON_CONTROL(code, id, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, code, id, id, AfxSig_command, void (CCmdTarget::*)(), memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
    AFX_CMD_ENTRY(WM_COMMAND, code, id, idLast, AfxSig_commandRange, void (CCmdTarget::*)(UINT), memberFxn)

#define ON_NOTIFY(code, id, memberFxn)                                                            \
    AFX_CMD_ENTRY(WM_NOTIFY, code, id, id, AfxSig_notify, void (CCmdTarget::*)(NMHDR*, LRESULT*), \
                  memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                              \
    AFX_CMD_ENTRY(WM_NOTIFY, code, id, idLast, AfxSig_notifyRange,                                \
                  void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                         \
    AFX_CMD_ENTRY(WM_NOTIFY, code, id, id, AfxSig_notifyEx,                                       \
                  BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                           \
    AFX_CMD_ENTRY(WM_NOTIFY, code, id, idLast, AfxSig_notifyEx,                                   \
                  BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
