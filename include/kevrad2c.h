/* kevrad2c.h - C interface of the signature-pad adapter library kevrad2c.dll.
 *
 * The adapter loads the driver library kevra.dll at run time and turns each
 * C call below into a call of the driver entry of the same name. Until
 * KEVRA_initialize() has returned 1 (and after KEVRA_uninitialize()), every
 * function returns its fixed value "without a driver" and touches none of
 * its arguments.
 *
 * Conventions for every function:
 *   - C calling convention (__cdecl), 32-bit parameters.
 *   - const char * parameters are NUL-terminated input texts; at most their
 *     first 255 characters reach the driver. A null pointer is taken as "".
 *   - char * parameters are caller buffers of at least 256 bytes:
 *       ..._io   holds a text that goes to the driver (as above) and
 *                receives the driver's text back;
 *       ..._out  receives the driver's text; a driver that writes nothing
 *                leaves "" (a single NUL).
 *     Either kind receives a text of up to 255 characters and its NUL (n+1
 *     bytes are written for a text of n characters, the rest is left as it
 *     was). A null buffer receives nothing.
 *   - Characters are copied byte for byte; no code page conversion.
 *   - int32_t parameters are passed to the driver unchanged, whatever they
 *     stand for (numbers, handles, addresses of host memory or of host
 *     functions); p1, p2, ... mean what the driver makes of them. The one
 *     exception is the port number of KEVRA_setCom and KEVRA_checkCom: only
 *     its low 8 bits are passed.
 *   - Record pointers may be null: the driver is called all the same and the
 *     record it fills is dropped.
 *
 * Each function's comment ends with its result and its value without a driver:
 *   [bool, 0]   the driver's 8-bit result sign-extended to 32 bits:
 *               1 -> 1, 0 -> 0, 0xFF -> -1; 0 without a driver;
 *   [int, v]    the driver's 32-bit result unchanged; v without a driver;
 *   [void]      no result.
 *
 * Threads: KEVRA_initialize and KEVRA_uninitialize must not run while any
 * other function of this library runs on another thread; all other
 * functions may be called from several threads at once (whether the driver
 * accepts that is the driver's business).
 */
#ifndef KEVRAD2C_H
#define KEVRAD2C_H

#include <stdint.h>

#if defined(_WIN32)
#  define KEVRA_CALL __cdecl
#else
#  define KEVRA_CALL /* the platform's C convention; the library itself is 32-bit Windows only */
#endif

#if defined(KEVRA_BUILDING)
#  define KEVRA_API
#elif defined(_WIN32) && !defined(KEVRA_NO_DLLIMPORT)
#  define KEVRA_API __declspec(dllimport)
#else
#  define KEVRA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#pragma pack(push, 1)

/* Filled by KEVRA_getSensorSize: six 16-bit words, 12 bytes, as the driver gives them. */
typedef struct SensorSizeRecord {
    uint16_t word1, word2, word3, word4, word5, word6;
} SensorSizeRecord;

/* Filled by KEVRA_stopRead: six bytes, as the driver gives them. */
typedef struct ReadStopRecord {
    uint8_t byte1, byte2, byte3, byte4, byte5, byte6;
} ReadStopRecord;

/* Filled by KEVRA_getFrame: one pen frame, 14 bytes, packed (offsets 0, 2, 4, 5, 9, 10). */
typedef struct FrameRecord {
    uint16_t word1;
    uint16_t word2;
    uint8_t  byte1;
    uint32_t dword1;
    uint8_t  byte2;
    uint32_t dword2;
} FrameRecord;

#pragma pack(pop)

/* Compile-time checks of the record sizes (valid C89 and C++98). */
typedef char kevra_sensor_size_record_is_12_bytes[sizeof(SensorSizeRecord) == 12 ? 1 : -1];
typedef char kevra_read_stop_record_is_6_bytes[sizeof(ReadStopRecord) == 6 ? 1 : -1];
typedef char kevra_frame_record_is_14_bytes[sizeof(FrameRecord) == 14 ? 1 : -1];

/* ---- Binding the driver ---- */
/* Unbinds any bound driver (FinalizeDLL(1), unload), then loads kevra.dll by its
 * plain name or from the directory in HKLM\SOFTWARE\Vantreck\WTConfig "driver";
 * returns 1 when a driver with all 123 entries is bound, else 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_initialize(void);
/* Calls FinalizeDLL(1) and unloads the driver; does nothing without a driver. */
KEVRA_API void KEVRA_CALL KEVRA_uninitialize(void);

/* ---- Lifecycle ---- */
/* Lets the driver wind down its session (KEVRA_uninitialize passes 1); the driver stays bound. [void] */
KEVRA_API void KEVRA_CALL KEVRA_FinalizeDLL(int32_t p1);

/* ---- Connection, pad selection and device queries ---- */
/* Reads the pad settings selected by text1 and text2 into settings_out. [void] */
KEVRA_API void KEVRA_CALL KEVRA_getPadSettings(const char *text1, const char *text2, char *settings_out);
/* Stores the pad settings given as text1 and text2. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setPadSettings(const char *text1, const char *text2);
/* Reads the pad settings kept in the registry into settings_out. [void] */
KEVRA_API void KEVRA_CALL KEVRA_getRegistryPadSettings(char *settings_out);
/* Checks serial port `port` (low 8 bits passed) for a pad (text_io in and out). [void] */
KEVRA_API void KEVRA_CALL KEVRA_checkCom(int32_t port, char *text_io);
/* Selects serial port `port` for the pad (low 8 bits passed). [void] */
KEVRA_API void KEVRA_CALL KEVRA_setCom(int32_t port);
/* Sets the type of pad to work with. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setPadType(const char *pad_type);
/* Queries a product id; `text` only goes in (nothing comes back through it). [void] */
KEVRA_API void KEVRA_CALL KEVRA_getPID(int32_t p1, const char *text);
/* Sets a product id from p1 and `text`. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setPID(int32_t p1, const char *text);
/* Sets up the pad described by `text` (text_io in and out). If `text` ends in ";use_checkconnectedpad",
 * calls KEVRA_checkConnectedPad(text before it, p3, p2, p4, text_io) instead. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_configurePad(const char *text, int32_t p2, int32_t p3, int32_t p4, char *text_io);
/* Checks that the pad described by `text` is connected (text_io in and out). [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_checkConnectedPad(const char *text, int32_t p2, int32_t p3, int32_t p4, char *text_io);
/* Tells whether the pad is a "256" pad. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_is256Pad(void);
/* Makes the driver disregard the "256" pad kind. [void] */
KEVRA_API void KEVRA_CALL KEVRA_ignore256Pad(void);
/* Returns the pad's OEM type. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_getOEMType(void);
/* The driver's "Padav" variant of KEVRA_isPadAvailable for the pad named by `pad`. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_isPadavAvailable(const char *pad);
/* Tells whether the pad named by `pad` is available. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_isPadAvailable(const char *pad);
/* Sets the region used with Wintab tablet PCs. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setWintabTabletPCRegion(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Switches the use of Wintab devices. [void] */
KEVRA_API void KEVRA_CALL KEVRA_useWintabDevices(int32_t p1, int32_t p2);
/* Fills `size` with the pad's sensor size (null allowed: the driver is still called). [void] */
KEVRA_API void KEVRA_CALL KEVRA_getSensorSize(SensorSizeRecord *size);
/* Reads the pad's clock. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceClock(int32_t p1);
/* Returns the driver's last error code. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetKevraError(void);
/* Resets the driver's connection to the pad. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_ResetKevraCom(void);
/* Starts listing the connected pads: the first one's name into pad_out. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_EnumeratePadsFirst(char *pad_out);
/* Continues the list: the next pad's name into pad_out. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_EnumeratePadsNext(char *pad_out);
/* Resets the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_ResetDevice(void);
/* Reads the pad's firmware version. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceFirmwareVersion(int32_t p1, int32_t p2);

/* ---- Capture and biometric data ---- */
/* Starts reading pen data from the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_startRead(void);
/* Stops reading; `stop` receives the driver's stop record (null allowed: the driver is still called). [void] */
KEVRA_API void KEVRA_CALL KEVRA_stopRead(int32_t p1, ReadStopRecord *stop);
/* Ends the signature capture. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_stopCapture(int32_t p1, int32_t p2, int32_t p3);
/* Discards the biometric data captured so far. [void] */
KEVRA_API void KEVRA_CALL KEVRA_clearBioData(void);
/* Tells whether pen frames are waiting to be fetched. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_framesAvailable(void);
/* Fetches the next pen frame into `frame` (null allowed: the driver is still called). [void] */
KEVRA_API void KEVRA_CALL KEVRA_getFrame(FrameRecord *frame);
/* Registers the host canvas the driver draws the signature on. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerCanvas(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Unregisters the canvas. [void] */
KEVRA_API void KEVRA_CALL KEVRA_unRegisterCanvas(void);
/* Starts capturing a signature as described by `text` (text_io in and out). [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_startCapture(const char *text, int32_t p2, int32_t p3, int32_t p4, int32_t p5, char *text_io);
/* Fetches the biometric data as an array. [void] */
KEVRA_API void KEVRA_CALL KEVRA_getBioDataArray(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Returns one item of a biometric data array. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_getBioDataArrayItem(int32_t p1, int32_t p2);
/* Frees a biometric data array. [void] */
KEVRA_API void KEVRA_CALL KEVRA_freeBioDataArray(int32_t p1);
/* Extended form of KEVRA_getBioDataArray. [void] */
KEVRA_API void KEVRA_CALL KEVRA_getBioDataArrayEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Extended form of KEVRA_getBioDataArrayItem. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_getBioDataArrayItemEx(int32_t p1, int32_t p2);
/* Extended form of KEVRA_freeBioDataArray. [void] */
KEVRA_API void KEVRA_CALL KEVRA_freeBioDataArrayEx(int32_t p1);
/* Asks for the biometric data as a string. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetBioDataString(void);
/* Sets the rectangle on the pad in which the signature is written. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_CreateSignatureRectangle(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Reads a preview image of the signature. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_ReadPreviewImage(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Reads the signature as a high-resolution bitmap. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_ReadHighResBitmap(int32_t p1, int32_t p2);
/* Starts signing with an image on the pad's display. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_StartSignWithImage(int32_t p1);
/* Discards the signature image data. [void] */
KEVRA_API void KEVRA_CALL KEVRA_ResetSignatureImageData(void);

/* ---- Device event handlers ----
 * `handler` is the address of a host function; it reaches the driver
 * unchanged and the driver calls it directly, with the driver's own
 * arguments and calling convention. */
/* Registers `handler` for presses of the pad's big button. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerBigButtonHandler(int32_t handler);
/* Registers `handler` for presses of the pad's small button. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerSmallButtonHandler(int32_t handler);
/* Registers `handler` for the end of signing on the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_RegisterOnDeviceSignFinished(int32_t handler);
/* Registers `handler` for button presses on the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceButton(int32_t handler);
/* Registers `handler` for the removal of the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceRemovedHandler(int32_t handler);
/* Registers `handler` for errors of the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceErrorHandler(int32_t handler);
/* Registers `handler` for button presses on the pad, extended form. [void] */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceButtonEx(int32_t handler);
/* Registers `handler` for the end of signing on the pad, extended form. [void] */
KEVRA_API void KEVRA_CALL KEVRA_RegisterOnDeviceSignFinishedEx(int32_t handler);

/* ---- Display output ---- */
/* Sets the language of the pad's texts. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setLang(const char *lang);
/* Sets a text shown on the pad for signing. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setSignText(int32_t p1, const char *text);
/* Sets the image shown on the pad for signing. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setSignImage(int32_t p1, int32_t p2);
/* Extended form of KEVRA_setSignImage. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setSignImageEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
/* Sets the display mode of the pad. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setLCDMode(int32_t p1);
/* Clears the pad's display. [void] */
KEVRA_API void KEVRA_CALL KEVRA_clearLCD(int32_t p1, int32_t p2, int32_t p3);
/* Sets the display's default picture options. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setLCDDefaultPictureOptions(int32_t p1, int32_t p2, int32_t p3);
/* Shows `text` on the pad's display at (p1, p2). [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_LCDTextOut(int32_t p1, int32_t p2, const char *text);
/* Draws a line on the pad's display. [void] */
KEVRA_API void KEVRA_CALL KEVRA_LCDLineOut(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Shows an image on the pad's display. [void] */
KEVRA_API void KEVRA_CALL KEVRA_LCDImage(int32_t p1, int32_t p2, int32_t p3);
/* Extended form of KEVRA_LCDImage. [void] */
KEVRA_API void KEVRA_CALL KEVRA_LCDImageEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* KEVRA_LCDImageEx with a result. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_LCDImageExR(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Downloads a promotion image. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DownloadPromoImage(int32_t p1, int32_t p2);
/* Uploads a promotion image. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UploadPromoImage(int32_t p1, int32_t p2);
/* Removes a promotion image. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_RemovePromoImage(int32_t p1);
/* Sets the options of the buttons on the pad's display. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetLcdButtonOptions(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Sets the colour of the signature line. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetSignatureLineColor(int32_t p1, int32_t p2);

/* ---- Certificates and document hashes ---- */
/* Hands the driver a certificate given as text. [void] */
KEVRA_API void KEVRA_CALL KEVRA_SetCertificate(const char *certificate);
/* Hands the pad the preliminary hash of the document. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetPreliminaryDocumentHash(int32_t p1, int32_t p2);
/* Fetches the encrypted AES key. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetEncryptedAesKey(int32_t p1);
/* Hands the pad the final hash of the document. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetFinalDocumentHash(int32_t p1, int32_t p2);
/* Fetches the document hash signed by the pad. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetSignedDocHash(int32_t p1, int32_t p2);
/* Fetches the pad's certificate. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceCertificate(int32_t p1);
/* Fetches the pad's public key. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDevicePublicKey(int32_t p1);
/* Fetches the pad's notary information. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceNotaryInfo(int32_t p1);

/* ---- Driver options and configuration variables ---- */
/* Sets driver options. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions(int32_t p1, int32_t p2);
/* Sets flags of the first option set. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions1Flag(int32_t p1, int32_t p2);
/* Sets flags of the second option set. [void] */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions2Flag(int32_t p1, int32_t p2);
/* Sets the driver's number setting p1 to p2. [void] */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverLong(int32_t p1, int32_t p2);
/* Returns the driver's number setting p1. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDriverLong(int32_t p1);
/* Reads the driver's text setting p1 into text_out. [void] */
KEVRA_API void KEVRA_CALL KEVRA_GetDriverString(int32_t p1, char *text_out);
/* Sets the driver's text setting p1; text_address is passed as is, its text is not converted. [void] */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverString(int32_t p1, int32_t text_address);
/* Sets binary driver data. [void] */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverBin(int32_t p1, int32_t p2, int32_t p3);
/* Resets the pad's configuration. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SignPadResetConfiguration(int32_t p1);
/* Makes the driver refresh its options. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SignPadRefreshOptions(int32_t p1);
/* Sets the configuration variable `name`. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetConfigurationVariable(const char *name, int32_t p2);
/* Reads the configuration variable `name`. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetConfigurationVariable(const char *name, int32_t p2);
/* Sets the configuration variable `name` to the text `value`. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetConfigurationVariableString(const char *name, const char *value);
/* Reads the configuration variable `name` as a text into value_out. [int, -1] */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetConfigurationVariableString(const char *name, char *value_out);

/* ---- Dialog scripts ---- */
/* Loads a dialog script onto the pad. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogLoadScript(int32_t p1, int32_t p2, int32_t p3);
/* Runs the loaded dialog script. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogExecuteScript(void);
/* Fetches the last event of the dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogGetLastEvent(int32_t p1);
/* Reads data from the dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogReadData(int32_t p1, int32_t p2, int32_t p3);
/* Writes data into the dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogWriteData(int32_t p1, int32_t p2, int32_t p3);
/* Greys out a button of the dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogSetButtonGrayed(int32_t p1);
/* Sets an element of the dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogSetGuiElement(int32_t p1);
/* Clears the dialog from the pad. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogClear(void);
/* Overrides a key of the pad. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_OverrideKey(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);

/* ---- Dialog objects ----
 * Names, values and buffers here travel as int32_t (addresses, handles,
 * numbers), passed unchanged: no text is converted. */
/* Creates a dialog object from data in memory. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_CreateFromStream(int32_t p1, int32_t p2);
/* Creates a dialog object from a file. [int, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_CreateFromFile(int32_t p1, int32_t p2);
/* Releases the dialog object. [void] */
KEVRA_API void KEVRA_CALL KEVRA_UID_Release(void);
/* Runs a dialog on the pad. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_Run(int32_t p1, int32_t p2, int32_t p3);
/* Sets a name in the dialog object. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_SetName(int32_t p1, int32_t p2);
/* Looks up a state id by name. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetStateIdByName(int32_t p1, int32_t p2, int32_t p3);
/* Looks up a state id by type. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetStateIdByType(int32_t p1, int32_t p2, int32_t p3);
/* Sets the state of a dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_SetState(int32_t p1, int32_t p2);
/* Reads the state of a dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetState(int32_t p1, int32_t p2);
/* Counts the variables of a state. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableCount(int32_t p1, int32_t p2, int32_t p3);
/* Looks up a variable id of a state by its index. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableIdByIndex(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Looks up a variable id of a state. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableId(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Reads the value of a variable. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableGetValue(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Sets the value of a variable. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableSetValue(int32_t p1, int32_t p2, int32_t p3);
/* Sets the raw value of a variable. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableSetValueRaw(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Reads the name of a variable. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableGetName(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Looks up a variable id of a dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetVariableId(int32_t p1, int32_t p2, int32_t p3);
/* Counts the variables of a dialog. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetVariableCount(int32_t p1, int32_t p2);
/* Looks up a dialog id by its index. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetDialogIdByIndex(int32_t p1, int32_t p2, int32_t p3);
/* Counts the dialogs the driver holds. [bool, 0] */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DriverGetDialogCount(int32_t p1, int32_t p2);

#ifdef __cplusplus
}
#endif

#endif /* KEVRAD2C_H */
