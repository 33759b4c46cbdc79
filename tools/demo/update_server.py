#!/usr/bin/python3
"""The firmware update server of the demo and of the update tests: HTTP on 127.0.0.1.

    update_server.py PORT FOLDER

serves FOLDER on PORT (0: a free port). Once it listens it prints
"Update server on 127.0.0.1:PORT". Beside a served file NAME, a file NAME.status makes the
answer carry that status code (with NAME's bytes as body, and a Location header to NAME.moved
for a 3xx status), NAME.truncate announces more bytes than it sends and then closes the
connection, NAME.slow sends the body in 64 KiB pieces 10 ms apart, NAME.delay waits that many
milliseconds before answering, NAME.overlong sends 1 MiB more than its Content-Length
announces, NAME.undersold announces that many bytes fewer than it sends (a body longer than
its Content-Length), NAME.endless sends bytes without a Content-Length until the client goes
away, NAME.huge announces that many bytes and sends them, NAME.stall sends the headers and
that many bytes of the body and then nothing until the client goes away, NAME.mute answers
nothing at all until the client goes away, and NAME.trickle sends the body one byte every that
many milliseconds. The tests use these to play servers that misbehave; the demo serves plain
files.
"""
import functools
import http.server
import os
import select
import sys
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isfile(path + '.mute'):
            self.wait_for_client_to_go()
            return
        if os.path.isfile(path + '.delay'):
            time.sleep(int(open(path + '.delay').read().strip()) / 1000.0)
        body = open(path, 'rb').read() if os.path.isfile(path) else b''
        if os.path.isfile(path + '.status'):
            status = int(open(path + '.status').read().strip())
            self.send_response(status)
            if 300 <= status < 400:
                self.send_header('Location', self.path + '.moved')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        if os.path.isfile(path + '.undersold'):
            fewer = int(open(path + '.undersold').read().strip())
            self.send_response(200)
            self.send_header('Content-Length', str(max(0, len(body) - fewer)))
            self.end_headers()
            self.wfile.write(body)
            self.close_connection = True
            return
        if os.path.isfile(path + '.overlong'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body + b'\0' * (1 << 20))
            self.close_connection = True
            return
        if os.path.isfile(path + '.endless') or os.path.isfile(path + '.huge'):
            size = int(open(path + '.huge').read().strip()) if os.path.isfile(path + '.huge') else -1
            self.send_response(200)
            if size >= 0:
                self.send_header('Content-Length', str(size))
            self.end_headers()
            chunk = b'\x5a' * 65536
            sent = 0
            try:
                while size < 0 or sent < size:
                    piece = chunk if size < 0 else chunk[:min(len(chunk), size - sent)]
                    self.wfile.write(piece)
                    sent += len(piece)
            except (BrokenPipeError, ConnectionResetError):
                pass
            self.close_connection = True
            return
        if os.path.isfile(path + '.stall'):
            sent = int(open(path + '.stall').read().strip())
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body[:sent])
            self.wfile.flush()
            self.wait_for_client_to_go()
            return
        if os.path.isfile(path + '.trickle'):
            pause = int(open(path + '.trickle').read().strip()) / 1000.0
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            try:
                for start in range(len(body)):
                    self.wfile.write(body[start:start + 1])
                    self.wfile.flush()
                    time.sleep(pause)
            except (BrokenPipeError, ConnectionResetError):
                pass
            self.close_connection = True
            return
        if os.path.isfile(path + '.slow'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            for start in range(0, len(body), 65536):
                self.wfile.write(body[start:start + 65536])
                self.wfile.flush()
                time.sleep(0.01)
            return
        if os.path.isfile(path + '.truncate'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body) + 100000))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()
            self.close_connection = True
            return
        return super().do_GET()

    def wait_for_client_to_go(self, limit=300):
        """Sends nothing more; returns once the client has closed the connection."""
        deadline = time.time() + limit
        while time.time() < deadline:
            readable, _, _ = select.select([self.connection], [], [], 0.2)
            if readable:
                try:
                    if not self.connection.recv(4096):
                        break
                except OSError:
                    break
        self.close_connection = True


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: update_server.py PORT FOLDER')
    server = http.server.ThreadingHTTPServer(
        ('127.0.0.1', int(sys.argv[1])),
        functools.partial(Handler, directory=sys.argv[2]))
    print('Update server on 127.0.0.1:%d' % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
