// A small X session manager for the end-to-end run: it listens on a local ICE
// socket, prints the SESSION_MANAGER value for clients on its first line, and
// then takes commands on standard input, one per line:
//   checkpoint  asks every client to save its state, the session going on
//   logout      asks every client to save for a session end, then to die
// What happens is printed, one event per line, so that a test can wait for it:
//   registered, save-yourself-done, connection-closed.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Client {
    SmsConn connection = nullptr;
    IceConn ice = nullptr;
    bool dieAfterSave = false;
};

std::vector<Client> clients;
int clientNumber = 0;

void Say(const char* event) {
    std::printf("%s\n", event);
    std::fflush(stdout);
}

Client* Find(SmsConn connection) {
    for (Client& client : clients) {
        if (client.connection == connection) return &client;
    }
    return nullptr;
}

Status RegisterClient(SmsConn connection, SmPointer, char* previousId) {
    std::free(previousId);
    char* id = SmsGenerateClientID(connection);
    if (id == nullptr) {
        const std::string fallback = "1tessaline-e2e-" + std::to_string(++clientNumber);
        id = static_cast<char*>(std::malloc(fallback.size() + 1));
        std::memcpy(id, fallback.c_str(), fallback.size() + 1);
    }
    SmsRegisterClientReply(connection, id);
    std::free(id);
    Say("registered");
    return 1;
}

void SaveYourselfDone(SmsConn connection, SmPointer, Bool) {
    Say("save-yourself-done");
    Client* client = Find(connection);
    if (client != nullptr && client->dieAfterSave) SmsDie(connection);
    IceFlush(SmsGetIceConnection(connection));
}

void CloseConnection(SmsConn connection, SmPointer, int, char** reasons) {
    SmFreeReasons(0, reasons);
    for (auto it = clients.begin(); it != clients.end(); ++it) {
        if (it->connection != connection) continue;
        IceConn ice = it->ice;
        clients.erase(it);
        SmsCleanUp(connection);
        IceSetShutdownNegotiation(ice, False);
        IceCloseConnection(ice);
        break;
    }
    Say("connection-closed");
}

void InteractRequest(SmsConn connection, SmPointer, int) { SmsInteract(connection); }
void InteractDone(SmsConn, SmPointer, Bool) {}
void SaveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void SaveYourselfPhase2Request(SmsConn connection, SmPointer) {
    SmsSaveYourselfPhase2(connection);
}
void SetProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) SmFreeProperty(properties[i]);
    std::free(properties);
}
void DeleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i) std::free(names[i]);
    std::free(names);
}
void GetProperties(SmsConn connection, SmPointer) { SmsReturnProperties(connection, 0, nullptr); }

Status NewClient(SmsConn connection, SmPointer, unsigned long* mask, SmsCallbacks* callbacks,
                 char**) {
    for (Client& client : clients) {
        if (client.ice == SmsGetIceConnection(connection)) client.connection = connection;
    }
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask |
            SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    callbacks->register_client.callback = RegisterClient;
    callbacks->interact_request.callback = InteractRequest;
    callbacks->interact_done.callback = InteractDone;
    callbacks->save_yourself_request.callback = SaveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = SaveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = SaveYourselfDone;
    callbacks->close_connection.callback = CloseConnection;
    callbacks->set_properties.callback = SetProperties;
    callbacks->delete_properties.callback = DeleteProperties;
    callbacks->get_properties.callback = GetProperties;
    return 1;
}

// Only this machine's own processes reach the socket; no cookie is asked for.
Bool AnyLocalHost(char*) { return True; }

void SaveAll(bool logout) {
    for (Client& client : clients) {
        if (client.connection == nullptr) continue;
        client.dieAfterSave = logout;
        SmsSaveYourself(client.connection, SmSaveBoth, logout ? True : False,
                        SmInteractStyleNone, False);
        IceFlush(client.ice);
    }
}

}  // namespace

int main() {
    char error[256] = {};
    if (!SmsInitialize("tessaline-e2e", "1.0", NewClient, nullptr, AnyLocalHost,
                       sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    int listenCount = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    // The local (unix socket) listeners only.
    std::vector<IceListenObj> local;
    for (int i = 0; i < listenCount; ++i) {
        char* id = IceGetListenConnectionString(listeners[i]);
        if (std::strncmp(id, "local/", 6) == 0) {
            IceSetHostBasedAuthProc(listeners[i], AnyLocalHost);
            local.push_back(listeners[i]);
        }
        std::free(id);
    }
    if (local.empty()) {
        std::fprintf(stderr, "session_manager: no local socket\n");
        return 1;
    }
    char* address = IceComposeNetworkIdList(static_cast<int>(local.size()), local.data());
    std::printf("%s\n", address);
    std::fflush(stdout);
    std::free(address);

    std::string input;
    for (bool open = true; open;) {
        std::vector<pollfd> fds;
        fds.push_back({STDIN_FILENO, POLLIN, 0});
        for (IceListenObj listener : local) fds.push_back({IceGetListenConnectionNumber(listener), POLLIN, 0});
        for (const Client& client : clients) fds.push_back({IceConnectionNumber(client.ice), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0) continue;

        std::size_t at = 0;
        if (fds[at++].revents != 0) {
            char buffer[256];
            const ssize_t size = read(STDIN_FILENO, buffer, sizeof buffer);
            if (size <= 0) {
                open = false;
            } else {
                input.append(buffer, static_cast<std::size_t>(size));
            }
            for (std::size_t end; (end = input.find('\n')) != std::string::npos;) {
                const std::string command = input.substr(0, end);
                input.erase(0, end + 1);
                if (command == "checkpoint") SaveAll(false);
                if (command == "logout") SaveAll(true);
            }
        }
        for (IceListenObj listener : local) {
            if (fds[at++].revents == 0) continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(listener, &status);
            if (ice == nullptr) continue;
            while (IceConnectionStatus(ice) == IceConnectPending) {
                if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError) break;
            }
            if (IceConnectionStatus(ice) == IceConnectAccepted) {
                clients.push_back({nullptr, ice, false});
            } else {
                IceCloseConnection(ice);
            }
        }
        // Processing may close connections, so walk a copy of the list.
        std::vector<IceConn> connections;
        for (std::size_t i = at; i < fds.size(); ++i) {
            if (fds[i].revents != 0) connections.push_back(clients[i - at].ice);
        }
        for (IceConn ice : connections) {
            if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError) {
                for (auto it = clients.begin(); it != clients.end(); ++it) {
                    if (it->ice != ice) continue;
                    if (it->connection != nullptr) SmsCleanUp(it->connection);
                    clients.erase(it);
                    break;
                }
                IceSetShutdownNegotiation(ice, False);
                IceCloseConnection(ice);
                Say("connection-closed");
            }
        }
    }
    return 0;
}
