#include "board/server.hpp"

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace zaptrail::board {
namespace {

std::atomic<httplib::Server*> running{nullptr};

// Connections that may wait to be accepted. The library's own is five, fixed when it was built,
// so a burst of clients connecting at once waits a second for the retry of a dropped handshake.
constexpr int kListenBacklog = 1024;

Request FromHttp(const httplib::Request& http) {
  Request request{http.method, http.path, {}, http.body, http.remote_addr};
  for (const auto& [name, value] : http.params) request.query.emplace(name, value);
  return request;
}

int64_t HeaderBytes(const httplib::Request& http) {
  int64_t bytes = 0;
  for (const auto& [name, value] : http.headers) {
    bytes += static_cast<int64_t>(name.size() + value.size() + 4);
  }
  return bytes;
}

}  // namespace

bool Serve(Board& board, const Options& options, const std::function<void(int port)>& listening) {
  httplib::Server server;
  const size_t threads = static_cast<size_t>(options.threads);
  server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  // Bodies a little over the limit still get the board's own reason; far over, the library
  // cuts them off before reading them.
  server.set_payload_max_length(static_cast<size_t>(options.maxBody) * 2);
  // An answer's header and body leave in separate writes; without this the second waits for
  // the client's delayed acknowledgement, some 40 ms.
  server.set_tcp_nodelay(true);
  // Clients keep their connection for many requests, so they connect rarely.
  server.set_keep_alive_max_count(10000);
  // The library's own options for its listening socket, which is kept to widen its backlog.
  int listener = -1;
  server.set_socket_options([&listener](socket_t socket) {
    httplib::default_socket_options(socket);
    if (listener < 0) listener = socket;
  });
  server.set_read_timeout(10, 0);
  server.set_write_timeout(10, 0);
  if (!options.web.empty() && !server.set_mount_point("/", options.web)) {
    std::fprintf(stderr, "zaptrail-board: no such folder for --web: %s\n", options.web.c_str());
    return false;
  }

  server.set_pre_routing_handler([&](const httplib::Request& http, httplib::Response& response) {
    if (HeaderBytes(http) <= options.maxHeaders) return httplib::Server::HandlerResponse::Unhandled;
    response.status = 431;
    response.set_content("{\"error\": \"the request's headers are too large\"}\n",
                         "application/json");
    return httplib::Server::HandlerResponse::Handled;
  });
  const auto answer = [&](const httplib::Request& http, httplib::Response& response) {
    const Reply reply = board.Handle(FromHttp(http));
    response.status = reply.status;
    response.set_content(reply.body, reply.type.c_str());
  };
  server.Get(".*", answer);
  server.Post(".*", answer);
  // The browser game's page carries its scripts, styles and module inside it, so that its first
  // frame waits for one response, and compiles the module itself: the files of its folder may
  // run inline code and compile WebAssembly, and nothing from elsewhere. The page sets every
  // text as text; no player's words reach it as markup.
  server.set_file_request_handler([](const httplib::Request&, httplib::Response& response) {
    response.set_header("Content-Security-Policy",
                        "default-src 'self'; script-src 'self' 'unsafe-inline' 'wasm-unsafe-eval'; "
                        "style-src 'self' 'unsafe-inline'; img-src 'self' data: blob:; "
                        "object-src 'none'; frame-ancestors 'none'");
  });
  server.set_post_routing_handler([&](const httplib::Request&, httplib::Response& response) {
    response.set_header("X-Content-Type-Options", "nosniff");
    if (!response.has_header("Content-Security-Policy")) {
      response.set_header("Content-Security-Policy",
                          "default-src 'self'; img-src 'self' data:; object-src 'none'; "
                          "frame-ancestors 'none'");
    }
    if (!options.corsOrigin.empty()) {
      response.set_header("Access-Control-Allow-Origin", options.corsOrigin);
      response.set_header("Access-Control-Allow-Headers", "Content-Type");
      response.set_header("Vary", "Origin");
    }
  });
  // A browser asks before a page elsewhere may post; without --cors-origin the answer is no.
  server.Options(".*", [&](const httplib::Request&, httplib::Response& response) {
    response.status = options.corsOrigin.empty() ? 403 : 204;
    if (!options.corsOrigin.empty()) {
      response.set_header("Access-Control-Allow-Methods", "GET, POST");
    }
  });

  const int port = options.port == 0
                       ? server.bind_to_any_port(options.host)
                       : (server.bind_to_port(options.host, options.port) ? options.port : -1);
  if (port < 0) {
    std::fprintf(stderr, "zaptrail-board: cannot listen on %s:%d\n", options.host.c_str(),
                 options.port);
    return false;
  }
  // Listening again on a listening socket only sets its backlog anew.
  if (::listen(listener, kListenBacklog) != 0) {
    std::fprintf(stderr, "zaptrail-board: cannot widen the listening backlog\n");
    return false;
  }
  running = &server;
  listening(port);
  const bool served = server.listen_after_bind();
  running = nullptr;
  return served;
}

bool StopServing() {
  httplib::Server* server = running.load();
  if (server == nullptr || !server->is_running()) return false;
  server->stop();
  return true;
}

}  // namespace zaptrail::board
