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
 *   - const char * parameters are NUL-terminated texts; at most their first
 *     255 characters reach the driver. A null pointer is taken as "".
 *   - char * parameters are caller buffers of at least 256 bytes that
 *     receive a text of up to 255 characters and its NUL (n+1 bytes are
 *     written for a text of n characters, the rest is left as it was).
 *     A null buffer receives nothing.
 *   - Characters are copied byte for byte; no code page conversion.
 *   - "8-bit result" means the driver's byte result sign-extended to 32 bits:
 *     1 -> 1, 0 -> 0, 0xFF -> -1.
 *   - int32_t parameters are passed to the driver unchanged, whatever they
 *     stand for (numbers, handles, addresses of host memory, handlers).
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
/* Calls entry FinalizeDLL; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_FinalizeDLL(int32_t p1);

/* ---- Connection, pad selection and device queries ---- */
/* Calls entry getPadSettings; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getPadSettings(const char *p1, const char *p2, char *p3);
/* Calls entry setPadSettings; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setPadSettings(const char *p1, const char *p2);
/* Calls entry GetRegistryPadSettings; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getRegistryPadSettings(char *p1);
/* Calls entry checkCom; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_checkCom(int32_t p1, char *p2);
/* Calls entry setCom; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setCom(int32_t p1);
/* Calls entry setPadType; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setPadType(const char *p1);
/* Calls entry getPID; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getPID(int32_t p1, const char *p2);
/* Calls entry setPID; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setPID(int32_t p1, const char *p2);
/* Calls entry configurePad; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_configurePad(const char *p1, int32_t p2, int32_t p3, int32_t p4, char *p5);
/* Calls entry checkConnectedPad; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_checkConnectedPad(const char *p1, int32_t p2, int32_t p3, int32_t p4, char *p5);
/* Calls entry Is256Pad; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_is256Pad(void);
/* Calls entry Ignore256Pad; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_ignore256Pad(void);
/* Calls entry GetOEMType; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_getOEMType(void);
/* Calls entry isPadavAvailable; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_isPadavAvailable(const char *p1);
/* Calls entry isPadAvailable; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_isPadAvailable(const char *p1);
/* Calls entry setWintabTabletPCRegion; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setWintabTabletPCRegion(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry useWintabDevices; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_useWintabDevices(int32_t p1, int32_t p2);
/* Calls entry GetSensorSize; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getSensorSize(SensorSizeRecord *p1);
/* Calls entry GetDeviceClock; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceClock(int32_t p1);
/* Calls entry GetKevraError; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetKevraError(void);
/* Calls entry ResetKevraCom; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_ResetKevraCom(void);
/* Calls entry EnumeratePadsFirst; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_EnumeratePadsFirst(char *p1);
/* Calls entry EnumeratePadsNext; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_EnumeratePadsNext(char *p1);
/* Calls entry ResetDevice; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_ResetDevice(void);
/* Calls entry GetDeviceFirmwareVersion; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceFirmwareVersion(int32_t p1, int32_t p2);

/* ---- Capture and biometric data ---- */
/* Calls entry startRead; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_startRead(void);
/* Calls entry stopRead; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_stopRead(int32_t p1, ReadStopRecord *p2);
/* Calls entry stopCapture; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_stopCapture(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry clearBioData; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_clearBioData(void);
/* Calls entry framesAvailable; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_framesAvailable(void);
/* Calls entry getFrame; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getFrame(FrameRecord *p1);
/* Calls entry registerCanvas; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerCanvas(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Calls entry unRegisterCanvas; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_unRegisterCanvas(void);
/* Calls entry startCapture; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_startCapture(const char *p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, char *p6);
/* Calls entry getBioDataArray; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getBioDataArray(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry getBioDataArrayItem; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_getBioDataArrayItem(int32_t p1, int32_t p2);
/* Calls entry freeBioDataArray; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_freeBioDataArray(int32_t p1);
/* Calls entry getBioDataArrayEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_getBioDataArrayEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry getBioDataArrayItemEx; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_getBioDataArrayItemEx(int32_t p1, int32_t p2);
/* Calls entry freeBioDataArrayEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_freeBioDataArrayEx(int32_t p1);
/* Calls entry GetBioDataString; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetBioDataString(void);
/* Calls entry CreateSignatureRectangle; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_CreateSignatureRectangle(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Calls entry ReadPreviewImage; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_ReadPreviewImage(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry ReadHighResBitmap; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_ReadHighResBitmap(int32_t p1, int32_t p2);
/* Calls entry StartSignWithImage; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_StartSignWithImage(int32_t p1);
/* Calls entry ResetSignatureImageData; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_ResetSignatureImageData(void);

/* ---- Device event handlers ---- */
/* Calls entry RegisterBigButtonHandler; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerBigButtonHandler(int32_t p1);
/* Calls entry RegisterSmallButtonHandler; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerSmallButtonHandler(int32_t p1);
/* Calls entry RegisterOnDeviceSignFinished; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_RegisterOnDeviceSignFinished(int32_t p1);
/* Calls entry RegisterOnDeviceButton; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceButton(int32_t p1);
/* Calls entry RegisterOnDeviceRemovedHandler; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceRemovedHandler(int32_t p1);
/* Calls entry RegisterOnDeviceErrorHandler; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceErrorHandler(int32_t p1);
/* Calls entry RegisterOnDeviceButtonEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_registerOnDeviceButtonEx(int32_t p1);
/* Calls entry RegisterOnDeviceSignFinishedEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_RegisterOnDeviceSignFinishedEx(int32_t p1);

/* ---- Display output ---- */
/* Calls entry setLang; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setLang(const char *p1);
/* Calls entry SetSignText; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setSignText(int32_t p1, const char *p2);
/* Calls entry SetSignImage; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setSignImage(int32_t p1, int32_t p2);
/* Calls entry SetSignImageEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setSignImageEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
/* Calls entry SetLCDMode; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setLCDMode(int32_t p1);
/* Calls entry ClearLCD; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_clearLCD(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry SetLCDDefaultPictureOptions; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setLCDDefaultPictureOptions(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry LCDTextOut; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_LCDTextOut(int32_t p1, int32_t p2, const char *p3);
/* Calls entry LCDLineOut; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_LCDLineOut(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry LCDImage; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_LCDImage(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry LCDImageEx; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_LCDImageEx(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry LCDImageExR; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_LCDImageExR(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry DownloadPromoImage; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DownloadPromoImage(int32_t p1, int32_t p2);
/* Calls entry UploadPromoImage; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UploadPromoImage(int32_t p1, int32_t p2);
/* Calls entry RemovePromoImage; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_RemovePromoImage(int32_t p1);
/* Calls entry SetLcdButtonOptions; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetLcdButtonOptions(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Calls entry SetSignatureLineColor; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetSignatureLineColor(int32_t p1, int32_t p2);

/* ---- Certificates and document hashes ---- */
/* Calls entry SetCertificate; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_SetCertificate(const char *p1);
/* Calls entry SetPreliminaryDocumentHash; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetPreliminaryDocumentHash(int32_t p1, int32_t p2);
/* Calls entry GetEncryptedAesKey; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetEncryptedAesKey(int32_t p1);
/* Calls entry SetFinalDocumentHash; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetFinalDocumentHash(int32_t p1, int32_t p2);
/* Calls entry GetSignedDocHash; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetSignedDocHash(int32_t p1, int32_t p2);
/* Calls entry GetDeviceCertificate; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceCertificate(int32_t p1);
/* Calls entry GetDevicePublicKey; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDevicePublicKey(int32_t p1);
/* Calls entry GetDeviceNotaryInfo; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDeviceNotaryInfo(int32_t p1);

/* ---- Driver options and configuration variables ---- */
/* Calls entry SetDriverOptions; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions(int32_t p1, int32_t p2);
/* Calls entry SetDriverOptions1Flag; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions1Flag(int32_t p1, int32_t p2);
/* Calls entry SetDriverOptions2Flag; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_setDriverOptions2Flag(int32_t p1, int32_t p2);
/* Calls entry SetDriverLong; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverLong(int32_t p1, int32_t p2);
/* Calls entry GetDriverLong; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetDriverLong(int32_t p1);
/* Calls entry GetDriverString; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_GetDriverString(int32_t p1, char *p2);
/* Calls entry SetDriverString; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverString(int32_t p1, int32_t p2);
/* Calls entry SetDriverBin; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_SetDriverBin(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry SignPadResetConfiguration; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SignPadResetConfiguration(int32_t p1);
/* Calls entry SignPadRefreshOptions; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SignPadRefreshOptions(int32_t p1);
/* Calls entry SetConfigurationVariable; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetConfigurationVariable(const char *p1, int32_t p2);
/* Calls entry GetConfigurationVariable; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetConfigurationVariable(const char *p1, int32_t p2);
/* Calls entry SetConfigurationVariableString; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_SetConfigurationVariableString(const char *p1, const char *p2);
/* Calls entry GetConfigurationVariableString; returns the driver's 32-bit result. Without a driver: -1. */
KEVRA_API int32_t KEVRA_CALL KEVRA_GetConfigurationVariableString(const char *p1, char *p2);

/* ---- Dialog scripts ---- */
/* Calls entry DialogLoadScript; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogLoadScript(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry DialogExecuteScript; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogExecuteScript(void);
/* Calls entry DialogGetLastEvent; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogGetLastEvent(int32_t p1);
/* Calls entry DialogReadData; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogReadData(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry DialogWriteData; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogWriteData(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry DialogSetButtonGrayed; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogSetButtonGrayed(int32_t p1);
/* Calls entry DialogSetGuiElement; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogSetGuiElement(int32_t p1);
/* Calls entry DialogClear; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_DialogClear(void);
/* Calls entry OverrideKey; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_OverrideKey(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);

/* ---- Dialog objects ---- */
/* Calls entry UID_CreateFromStream; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_CreateFromStream(int32_t p1, int32_t p2);
/* Calls entry UID_CreateFromFile; returns the driver's 32-bit result. Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_CreateFromFile(int32_t p1, int32_t p2);
/* Calls entry UID_Release; returns nothing. Without a driver: nothing. */
KEVRA_API void KEVRA_CALL KEVRA_UID_Release(void);
/* Calls entry UID_Run; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_Run(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_SetName; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_SetName(int32_t p1, int32_t p2);
/* Calls entry UID_GetStateIdByName; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetStateIdByName(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_GetStateIdByType; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetStateIdByType(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_SetState; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_SetState(int32_t p1, int32_t p2);
/* Calls entry UID_GetState; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_GetState(int32_t p1, int32_t p2);
/* Calls entry UID_StateGetVariableCount; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableCount(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_StateGetVariableIdByIndex; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableIdByIndex(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry UID_StateGetVariableId; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_StateGetVariableId(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry UID_VariableGetValue; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableGetValue(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Calls entry UID_VariableSetValue; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableSetValue(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_VariableSetValueRaw; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableSetValueRaw(int32_t p1, int32_t p2, int32_t p3, int32_t p4);
/* Calls entry UID_VariableGetName; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_VariableGetName(int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5);
/* Calls entry UID_DialogGetVariableId; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetVariableId(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_DialogGetVariableCount; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetVariableCount(int32_t p1, int32_t p2);
/* Calls entry UID_DialogGetDialogIdByIndex; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DialogGetDialogIdByIndex(int32_t p1, int32_t p2, int32_t p3);
/* Calls entry UID_DriverGetDialogCount; returns the driver's 8-bit result sign-extended (1, 0, -1). Without a driver: 0. */
KEVRA_API int32_t KEVRA_CALL KEVRA_UID_DriverGetDialogCount(int32_t p1, int32_t p2);

#ifdef __cplusplus
}
#endif

#endif /* KEVRAD2C_H */
