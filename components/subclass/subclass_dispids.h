/* Dispatch ids of Vornesub, the subclassing and timer library: the contract
   with every host. Its type library, its dispatch tables and the hosts all
   take the numbers from here, so each is written once. Plain #defines: the
   IDL compiler reads this file too. */
#ifndef VORNE_COMPONENTS_SUBCLASS_DISPIDS_H
#define VORNE_COMPONENTS_SUBCLASS_DISPIDS_H

/* _ISubclass, which a host implements and the library calls. */
#define SUBCLASS_DISPID_MSGRESPONSE 0x40030000
#define SUBCLASS_DISPID_WINDOWPROC 0x60030000

/* _GSubclass, the library's application object. */
#define SUBCLASS_DISPID_ATTACHMESSAGE 0x60030001
#define SUBCLASS_DISPID_DETACHMESSAGE 0x60030002
#define SUBCLASS_DISPID_CURRENTMESSAGE 0x68030000
#define SUBCLASS_DISPID_CALLOLDWINDOWPROC 0x60030003

/* _CTimer, the window-less timer. */
#define SUBCLASS_DISPID_TIMER_ITEM 0x40030002
#define SUBCLASS_DISPID_TIMER_INTERVAL 0x68030001
#define SUBCLASS_DISPID_TIMER_PULSETIMER 0x60030003

/* Events of the timer's source interface. */
#define SUBCLASS_EVENT_TIMER_THATTIME 1

#endif
