#!/usr/bin/env python3
"""Serves the browser edition's folder on localhost with the headers it needs."""
import functools
import http.server
import sys

POLICY = (
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "img-src 'self' data: blob:; object-src 'none'; base-uri 'none'"
)


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".mjs": "text/javascript",
        ".svg": "image/svg+xml",
        ".gop": "application/octet-stream",
        ".zfp": "application/octet-stream",
    }

    def end_headers(self):
        self.send_header("Content-Security-Policy", POLICY)
        self.send_header("X-Content-Type-Options", "nosniff")
        # A fresh look at every load: the service worker keeps what is offline.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        if "-v" in sys.argv:
            super().log_message(format, *args)


def main():
    args = [a for a in sys.argv[1:] if a != "-v"]
    if not args or len(args) > 2:
        sys.exit("usage: web-serve.py DIR [PORT] [-v]")
    port = int(args[1]) if len(args) > 1 else 8080
    handler = functools.partial(Handler, directory=args[0])
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Serving {args[0]} at http://localhost:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
