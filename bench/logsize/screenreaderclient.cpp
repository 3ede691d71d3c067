// A small screen reader for the log-size benchmark: it turns the desktop's accessibility on,
// listens to the events a screen reader listens to and, for each, reads what it would speak (the
// name and role of the object, the text of a focused cell, a table's headings and size). Asked
// with a line "review", it reviews the windows of the program that started it whole, object by
// object through their children, as a screen reader's review of a window does, and prints
// "read N" (the objects it read). It prints "ready"
// once it listens and, when its standard input closes, the number of events it heard and the
// objects it read.
//
// Usage: hxscreenreaderclient   (in a session with the accessibility bus, e.g. under dbus-run-session)
#include <atspi/atspi.h>
#include <gio/gio.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

namespace
{

// The events a screen reader asks for: anything that may change what it says.
constexpr const char* kEvents[] = {
    "object:children-changed",
    "object:state-changed",
    "object:property-change",
    "object:active-descendant-changed",
    "object:selection-changed",
    "object:text-changed",
    "object:text-caret-moved",
    "object:visible-data-changed",
    "object:row-inserted",
    "object:row-deleted",
    "object:model-changed",
    "object:column-inserted",
    "window:activate",
    "window:create",
    "focus:",
};

long g_events = 0;
long g_objectsRead = 0;

void freeText(gchar* text)
{
    g_free(text);
}

// What a screen reader speaks for one object: its name and role, and for a table its size and
// headings, for a cell (or anything with text) its text.
void readObject(AtspiAccessible* object)
{
    if (!object)
        return;
    ++g_objectsRead;
    freeText(atspi_accessible_get_name(object, nullptr));
    const AtspiRole role = atspi_accessible_get_role(object, nullptr);
    if (AtspiTable* table = atspi_accessible_get_table_iface(object)) {
        atspi_table_get_n_rows(table, nullptr);
        const gint columns = atspi_table_get_n_columns(table, nullptr);
        for (gint c = 0; c < columns; ++c)
            freeText(atspi_table_get_column_description(table, c, nullptr));
        g_object_unref(table);
    }
    if (role == ATSPI_ROLE_TABLE_CELL || role == ATSPI_ROLE_TEXT) {
        if (AtspiText* text = atspi_accessible_get_text_iface(object)) {
            freeText(atspi_text_get_text(text, 0, -1, nullptr));
            g_object_unref(text);
        }
    }
}

// The review of a new window: every object reached through the children, read as above.
long reviewTree(AtspiAccessible* object)
{
    readObject(object);
    long count = 1;
    const gint children = atspi_accessible_get_child_count(object, nullptr);
    for (gint i = 0; i < children; ++i) {
        if (AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, nullptr)) {
            count += reviewTree(child);
            g_object_unref(child);
        }
    }
    return count;
}

// The program that started this client, as the accessibility bus knows it.
AtspiAccessible* parentProgram()
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const gint count = atspi_accessible_get_child_count(desktop, nullptr);
    AtspiAccessible* found = nullptr;
    for (gint i = 0; i < count && !found; ++i) {
        AtspiAccessible* program = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (program && atspi_accessible_get_process_id(program, nullptr) == guint(getppid()))
            found = program;
        else if (program)
            g_object_unref(program);
    }
    g_object_unref(desktop);
    return found;
}

void onEvent(AtspiEvent* event, void*)
{
    ++g_events;
    if (std::getenv("HX_CLIENT_TRACE"))
        std::fprintf(stderr, "event %s %s\n", event->type,
                     event->source ? atspi_accessible_get_name(event->source, nullptr) : "-");
    readObject(event->source);
    // The cell that became current is what the user hears next.
    if (std::strcmp(event->type, "object:active-descendant-changed") == 0 && G_VALUE_HOLDS_OBJECT(&event->any_data))
        readObject(ATSPI_ACCESSIBLE(g_value_get_object(&event->any_data)));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// Screen readers say they run through the accessibility bus's status, which is what makes the
// toolkits start their bridges.
void announceScreenReader()
{
    GDBusConnection* session = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!session)
        return;
    for (const char* property : {"IsEnabled", "ScreenReaderEnabled"}) {
        GVariant* reply = g_dbus_connection_call_sync(
            session, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            g_variant_new("(ssv)", "org.a11y.Status", property, g_variant_new_boolean(TRUE)), nullptr,
            G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
        if (reply)
            g_variant_unref(reply);
    }
    g_object_unref(session);
}

// A line "review" on standard input reviews the windows of the program that started this client.
gboolean onInput(GIOChannel* channel, GIOCondition, gpointer)
{
    gchar* line = nullptr;
    const GIOStatus status = g_io_channel_read_line(channel, &line, nullptr, nullptr, nullptr);
    if (status == G_IO_STATUS_EOF || status == G_IO_STATUS_ERROR) {
        atspi_event_quit();
        return FALSE;
    }
    if (line && g_str_has_prefix(line, "review")) {
        AtspiAccessible* program = parentProgram();
        std::printf("read %ld\n", program ? reviewTree(program) : 0L);
        std::fflush(stdout);
        if (program)
            g_object_unref(program);
    }
    g_free(line);
    return TRUE;
}

} // namespace

int main()
{
    if (atspi_init() > 1) {
        std::fprintf(stderr, "hxscreenreaderclient: no accessibility bus\n");
        return 1;
    }
    announceScreenReader();
    AtspiEventListener* listener = atspi_event_listener_new(onEvent, nullptr, nullptr);
    for (const char* event : kEvents) {
        if (!atspi_event_listener_register(listener, event, nullptr)) {
            std::fprintf(stderr, "hxscreenreaderclient: cannot listen to %s\n", event);
            return 1;
        }
    }
    GIOChannel* input = g_io_channel_unix_new(STDIN_FILENO);
    g_io_add_watch(input, GIOCondition(G_IO_IN | G_IO_HUP | G_IO_ERR), onInput, nullptr);
    std::printf("ready\n");
    std::fflush(stdout);
    atspi_event_main();
    std::printf("events %ld objects %ld\n", g_events, g_objectsRead);
    g_io_channel_unref(input);
    g_object_unref(listener);
    atspi_exit();
    return 0;
}
