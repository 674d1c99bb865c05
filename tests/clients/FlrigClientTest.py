#!/usr/bin/env python3
"""Python's own XML-RPC client against velmora's flrig server with the simulated radio."""
import os
import socket
import subprocess
import sys
import tempfile
import time
import xmlrpc.client

velmora = sys.argv[1]
port = 20000 + os.getpid() % 30000
folder = tempfile.mkdtemp()
program = subprocess.Popen([velmora, "--headless", "--simulate", "--quiet", "--config-dir", folder,
                            "--flrig", str(port), "--duration", "90000"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
failures = []


def check(name, got, want):
    if got != want:
        failures.append(f"{name}: expected {want!r}, got {got!r}")


try:
    deadline = time.monotonic() + 40
    rig = None
    while True:  # the server listens at once; a set works once the radio is read
        try:
            rig = xmlrpc.client.ServerProxy(f"http://127.0.0.1:{port}")
            rig.rig.set_vfoA(7074000.0)
            if rig.rig.get_vfoA() == "7074000":
                break
        except (OSError, xmlrpc.client.Fault):
            pass
        if time.monotonic() > deadline:
            sys.exit("the radio never took a frequency: " + program.stderr.read1().decode())
        time.sleep(0.2)

    check("version", isinstance(rig.main.get_version(), str), True)
    check("transceiver", rig.rig.get_xcvr(), "Aldren")
    check("modes include PKT-U", "PKT-U" in rig.rig.get_modes(), True)
    rig.rig.set_vfo(14074000.0)
    check("set_vfo then get_vfo", rig.rig.get_vfo(), "14074000")
    rig.rig.set_vfoB(14076000.0)
    check("VFO B", rig.rig.get_vfoB(), "14076000")
    rig.rig.set_mode("PKT-U")
    check("mode", rig.rig.get_mode(), "PKT-U")
    check("bandwidth", rig.rig.get_bw(), ["2400", ""])
    check("bandwidths", rig.rig.get_bws(), [["Bandwidth", "2400"]])
    rig.rig.set_split(1)
    check("split", rig.rig.get_split(), 1)
    rig.rig.set_split(0)
    rig.rig.set_ptt(1)
    check("ptt on", rig.rig.get_ptt(), 1)
    rig.rig.set_ptt(0)
    check("ptt off", rig.rig.get_ptt(), 0)
    check("A or B", rig.rig.get_AB(), "A")
    check("S-meter is a number", rig.rig.get_smeter().isdigit(), True)
    check("power meter", rig.rig.get_pwrmeter(), "0")
    try:
        rig.rig.no_such_method()
        failures.append("an unknown method did not fail")
    except xmlrpc.client.Fault as f:
        check("unknown method", f.faultString, "unknown")

    # A client's id line before the request, and two requests on one kept-alive connection.
    body = ("<?xml version=\"1.0\"?><methodCall><methodName>rig.get_xcvr</methodName>"
            "<params></params></methodCall>")
    request = (f"POST /RPC2 HTTP/1.1\r\nHost: x\r\nContent-Type: text/xml\r\n"
               f"Content-Length: {len(body)}\r\n\r\n{body}")
    with socket.create_connection(("127.0.0.1", port)) as s:
        s.sendall(("client-id: test\n" + request + request).encode())
        got = b""
        s.settimeout(5)
        while got.count(b"</methodResponse>") < 2:
            got += s.recv(65536)
        check("id line and keep-alive", got.count(b"<value>Aldren</value>"), 2)
finally:
    program.terminate()
    program.wait()

for f in failures:
    print("FAIL", f)
sys.exit(1 if failures else 0)
