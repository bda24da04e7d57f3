"""A speech server for Orca that says nothing, so that Orca headless logs every utterance
('SPEECH OUTPUT' in its debug file) without speech-dispatcher, which hangs Orca on a machine
without sound. Used by vorlesen.py: PYTHONPATH=<this folder> and "speechServerFactory":
"nullspeech" in Orca's user-settings.conf. Each utterance, and each line a Braille display would
show ('BRAILLE LINE:'), is flushed to the file at once, so a test can read them while Orca runs."""
from orca import braille, debug, speechserver


def _schreiben():
    if debug.debugFile:
        debug.debugFile.flush()


def _mit_schreiben(funktion):
    def gefolgt(*args, **kwargs):
        try:
            return funktion(*args, **kwargs)
        finally:
            _schreiben()
    return gefolgt


# Every Braille line passes through refresh; the module calls it by its global name.
braille.refresh = _mit_schreiben(braille.refresh)


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return 'nullspeech'

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ['nullspeech', 'nullspeech']

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _schreiben()

    def speakCharacter(self, character, acss=None):
        _schreiben()

    def speakKeyEvent(self, event, acss=None):
        _schreiben()

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            debug.println(debug.LEVEL_INFO, "SPEECH OUTPUT: '%s'" % context.utterance, True)
        _schreiben()
