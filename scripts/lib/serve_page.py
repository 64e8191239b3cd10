#!/usr/bin/env python3
# Serves the built page on localhost for scripts/web, and says in one line where: on the port
# VANTOKI_WEB_PORT names, or, without one, on the first free port from 8080 on, so a port another
# server holds is passed over instead of ending in a traceback. The check is the bind itself, so
# no other server can take the port between a check and the serving.
#
#   serve_page.py FOLDER [PORT]
import errno
import functools
import http.server
import sys

FIRST_PORT = 8080
PORTS_TRIED = 20


def fail(message):
    print(f"scripts/web: {message}", file=sys.stderr)
    sys.exit(1)


def main():
    folder = sys.argv[1]
    asked = sys.argv[2] if len(sys.argv) > 2 else ""
    if asked and not (asked.isdigit() and 0 < int(asked) < 65536):
        fail(f"VANTOKI_WEB_PORT is '{asked}', not a port number; set it to one from 1 to 65535")
    ports = [int(asked)] if asked else range(FIRST_PORT, FIRST_PORT + PORTS_TRIED)
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    for port in ports:
        try:
            server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        except OSError as error:
            if error.errno == errno.EADDRINUSE and not asked:
                continue
            fail(f"cannot serve on port {port} ({error.strerror}); "
                 "set VANTOKI_WEB_PORT to a free port")
        passed_over = "" if port == ports[0] else f" (port {ports[0]} is taken)"
        print(f"Vantoki: http://127.0.0.1:{port}/{passed_over}", flush=True)
        with server:
            try:
                server.serve_forever()
            except KeyboardInterrupt:
                pass
        return
    fail(f"ports {ports[0]} to {ports[-1]} are all taken; set VANTOKI_WEB_PORT to a free port")


main()
