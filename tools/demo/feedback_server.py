#!/usr/bin/python3
"""The feedback server of the demo and of the feedback tests: FTP on 127.0.0.1.

Runs pyftpdlib on 127.0.0.1 with one writable account, like `python3 -m pyftpdlib`; --port 0
takes a free port. Once it listens it prints "Feedback server on 127.0.0.1:PORT". The tests use
these handler variants, which misbehave as real servers do:
  --no-quit          never answers QUIT and keeps the connection open
  --read-limit N     receives at most N bytes per second on the data connection
  --raw              stores uploads byte for byte, in ASCII mode too (as many servers do)
  --stall-after N    stops reading an upload after N bytes and never answers it
  --late-mkd S       answers MKD only after S seconds (and makes the folder then)
  --truncate N       keeps only the first N bytes of each upload and still answers 226
  --refuse-login     refuses every login with 530
  --quota N          refuses to store more than N bytes in all (552), during a transfer too
  --no-delete        refuses DELE and RMD (550), as many anonymous servers do
  --events FILE      appends a line per session event: "connect", the commands ("STOR x",
                     the password left out) and "disconnect"
"""
import argparse
import logging
import os
import socket

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.ioloop import RetryError
from pyftpdlib.servers import FTPServer


def stored_bytes(root):
    total = 0
    for folder, _, files in os.walk(root):
        for name in files:
            total += os.path.getsize(os.path.join(folder, name))
    return total


def session_handler(base, options):
    class SessionHandler(base):
        def _event(self, text):
            if options.events:
                with open(options.events, 'a', encoding='utf-8') as log:
                    log.write(text + '\n')

        def on_connect(self):
            self._event('connect')

        def on_disconnect(self):
            self._event('disconnect')

        def pre_process_command(self, line, cmd, arg):
            self._event('PASS ****' if cmd == 'PASS' else line)
            super().pre_process_command(line, cmd, arg)

        def ftp_QUIT(self, line):
            if options.no_quit:
                return  # accepted, never answered
            super().ftp_QUIT(line)

        def ftp_PASS(self, line):
            if options.refuse_login:
                self.respond('530 Login refused: too many users.')
                return
            super().ftp_PASS(line)

        def ftp_MKD(self, path):
            if not options.late_mkd:
                return super().ftp_MKD(path)
            parent = super()

            def late():
                if self.connected:
                    parent.ftp_MKD(path)
                else:
                    os.makedirs(path, exist_ok=True)  # the server does it all the same

            self.ioloop.call_later(options.late_mkd, late, _errback=self.handle_error)

        def ftp_STOR(self, file, mode='w'):
            if options.quota and stored_bytes(options.directory) >= options.quota:
                self.respond('552 Disk quota exceeded.')
                return
            return super().ftp_STOR(file, mode)

        def ftp_DELE(self, path):
            if options.no_delete:
                self.respond('550 Not allowed.')
                return
            super().ftp_DELE(path)

        def ftp_RMD(self, path):
            if options.no_delete:
                self.respond('550 Not allowed.')
                return
            super().ftp_RMD(path)

    return SessionHandler


def transfer_handler(base, options):
    class TransferHandler(base):
        """Receives uploads as the options say."""

        def enable_receiving(self, type, cmd):
            if options.raw:
                type = 'i'  # no line-end conversion on upload
            self.kept = 0
            self.room = options.quota - stored_bytes(options.directory) if options.quota else -1
            super().enable_receiving(type, cmd)

        def handle_read(self):
            if options.stall_after and self.tot_bytes_received >= options.stall_after:
                self.del_channel()  # the data waits in the buffers; nothing answers
                return
            try:
                chunk = self.recv(self.ac_in_buffer_size)
            except RetryError:
                return
            except socket.error:
                self.handle_error()
                return
            self.tot_bytes_received += len(chunk)
            if not chunk:
                self.transfer_finished = True
                return
            if self._data_wrapper is not None:
                chunk = self._data_wrapper(chunk)
            self.store(chunk)

        handle_read_event = handle_read

        def store(self, chunk):
            if options.truncate:
                chunk = chunk[:max(0, options.truncate - self.kept)]
            if self.room >= 0 and len(chunk) > self.room:
                self.file_obj.write(chunk[:self.room])
                self._resp = ('552 Disk quota exceeded; transfer aborted.', logging.warning)
                self.close()
                return
            if self.room >= 0:
                self.room -= len(chunk)
            self.kept += len(chunk)
            self.file_obj.write(chunk)

    return TransferHandler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--port', type=int, required=True)
    parser.add_argument('--directory', required=True)
    parser.add_argument('--user', required=True)
    parser.add_argument('--password', required=True)
    parser.add_argument('--no-quit', action='store_true')
    parser.add_argument('--read-limit', type=int, default=0)
    parser.add_argument('--raw', action='store_true')
    parser.add_argument('--stall-after', type=int, default=0)
    parser.add_argument('--late-mkd', type=float, default=0)
    parser.add_argument('--truncate', type=int, default=0)
    parser.add_argument('--refuse-login', action='store_true')
    parser.add_argument('--quota', type=int, default=0)
    parser.add_argument('--no-delete', action='store_true')
    parser.add_argument('--events')
    options = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.directory, perm='elradfmwMT')

    dtp = DTPHandler
    if options.read_limit:
        dtp = type('LimitedDTPHandler', (ThrottledDTPHandler,),
                   {'read_limit': options.read_limit})
    handler = session_handler(FTPHandler, options)
    handler = type('TestHandler', (handler,),
                   {'authorizer': authorizer, 'dtp_handler': transfer_handler(dtp, options)})

    server = FTPServer(('127.0.0.1', options.port), handler)
    print('Feedback server on 127.0.0.1:%d' % server.address[1], flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
